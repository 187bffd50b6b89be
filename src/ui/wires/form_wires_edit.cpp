#include "ui/wires/form_wires_edit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/errors.h"
#include "base/number_text.h"
#include "calc/input_ranges.h"
#include "project/catalogue/wire_catalog_groups.h"
#include "project/catalogue/wire_catalog_text.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/units.h"
#include "ui/dialogs/input_checks.h"
#include "ui/wires/cut_file_text.h"
#include "ui/wires/square_unit.h"
#include "ui/wires/wire_number_edit.h"
#include "widgets/dialog_buttons.h"
#include "widgets/input_problem.h"
#include "widgets/local_caption.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr int kModulus = 3;
constexpr const char* kNumberKeys[TFormWiresEdit::kNumbers] = {"Diameter", "Sect_area", "Weight_per",
                                                               "Modulus", "Linear_coef"};

// Entry of the group list for a record's group: entries 0 to 6 stand for
// groups 1 to 7; a record without a group is offered "Others". A group from
// an imported file outside 1 to 7 selects nothing.
int GroupEntry(int group) {
  if (group == 0) return kWireGroupOthers - 1;
  if (group >= 1 && group <= kWireGroupOthers) return group - 1;
  return -1;
}

constexpr double TWireRecord::*kNumberFields[TFormWiresEdit::kNumbers] = {
    &TWireRecord::WireDiameter, &TWireRecord::WireArea, &TWireRecord::WireWeight, &TWireRecord::WireModulus,
    &TWireRecord::WireExpansion};

double* NumberField(TWireRecord& record, int field) { return &(record.*kNumberFields[field]); }

double NumberValue(const TWireRecord& record, int field) { return record.*kNumberFields[field]; }

}  // namespace

TFormWiresEdit::TFormWiresEdit(QWidget* parent) : QDialog(parent) {
  setObjectName("FormWiresEdit");
  BuildLayout();
  connect(BtnOK, &QPushButton::clicked, this, &TFormWiresEdit::BtnOKClick);
}

void TFormWiresEdit::BuildLayout() {
  GroupBoxWire = new QGroupBox(this);
  GroupBoxWire->setObjectName("GroupBoxWire");
  auto* grid = new QGridLayout(GroupBoxWire);
  LabGroup = new QLabel(GroupBoxWire);
  LabGroup->setObjectName("LabGroup");
  CbGroup = new QComboBox(GroupBoxWire);
  CbGroup->setObjectName("CbGroup");
  grid->addWidget(LabGroup, 0, 0);
  grid->addWidget(CbGroup, 0, 1, 1, 2);
  LabType = new QLabel(GroupBoxWire);
  LabType->setObjectName("LabType");
  EditType = new QLineEdit(GroupBoxWire);
  EditType->setObjectName("EditType");
  grid->addWidget(LabType, 1, 0);
  grid->addWidget(EditType, 1, 1);
  for (int field = 0; field < kNumbers; ++field) {
    NumberLabels[field] = new QLabel(GroupBoxWire);
    NumberLabels[field]->setObjectName(QString("Label") + kNumberKeys[field]);
    NumberEdits[field] = new TWireNumberEdit(GroupBoxWire);
    NumberEdits[field]->setObjectName(QString("Edit") + kNumberKeys[field]);
    UnitLabels[field] = new QLabel(GroupBoxWire);
    UnitLabels[field]->setObjectName(QString("Unit") + kNumberKeys[field]);
    grid->addWidget(NumberLabels[field], field + 2, 0);
    grid->addWidget(NumberEdits[field], field + 2, 1);
    grid->addWidget(UnitLabels[field], field + 2, 2);
  }
  UnitLabels[4]->setText("1/°C");
  grid->setColumnMinimumWidth(1, 160);
  Problem = new TInputProblem(this);
  Problem->setObjectName("Problem");
  LimitLength(EditType, static_cast<int>(kWireNameLength), LabType, Problem);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GroupBoxWire);
  layout->addWidget(Problem);
  const TDialogButtons buttons = AddDialogButtons(*this, *layout, "OK");
  BtnOK = buttons.Ok;
  BtnOK->setObjectName("BtnOK");
  BtnCancel = buttons.Cancel;
  BtnCancel->setObjectName("BtnCancel");
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormWiresEdit::Localise() {
  SetLocalWindowTitle(this, "Add_Edit");
  SetLocalCaption(GroupBoxWire, "Wire");
  SetLocalCaption(LabGroup, "Group");
  SetLocalCaption(LabType, "Type");
  for (int field = 0; field < kNumbers; ++field) SetLocalCaption(NumberLabels[field], kNumberKeys[field]);
  SetLocalCaption(UnitLabels[0], "mm");
  UnitLabels[1]->setText(SquareUnitText("mm"));
  SetLocalCaption(UnitLabels[2], "kg_m");
  UnitLabels[kModulus]->setText(SquareUnitText(UnitsIndex() == 0 ? "daN_mm" : "kN_mm"));
  SetOkCaption(BtnOK);
  SetLocalCaption(BtnCancel, "Cancel");
  CbGroup->clear();
  for (int group = 1; group <= kWireGroupOthers; ++group) CbGroup->addItem(ToQString(WireGroupName(group)));
}

void TFormWiresEdit::FillFrom(const TWireRecord& record) {
  Localise();
  filled_ = record;
  CbGroup->setCurrentIndex(GroupEntry(record.WireGroup));
  filledName_ = ToQString(record.WireName);
  EditType->setText(filledName_);
  for (int field = 0; field < kNumbers; ++field) {
    double value = NumberValue(record, field);
    if (field == kModulus) value *= ForceFactor();
    filledTexts_[field] = ToQString(FloatToText(value));
    NumberEdits[field]->setText(filledTexts_[field]);
  }
}

double TFormWiresEdit::ReadNumber(int field, double filledValue) const {
  const QString text = NumberEdits[field]->text();
  if (text == filledTexts_[field]) return filledValue;
  const double value = TextToFloat(ToStdString(text));
  return field == kModulus ? value / ForceFactor() : value;
}

// Every field is read before anything is handed out: a number that does not
// convert leaves the caller's record as it was.
TWireRecord TFormWiresEdit::ReadRecord() const {
  TWireRecord record = filled_;
  const QString name = EditType->text();
  if (name != filledName_) {
    // The exchange text could not hold it: refused here, where it is typed.
    if (!FitsExchangeText(ToStdString(name))) throw OrvError(LocalText("Wire_name_separator"));
    record.WireName = CutFileText(ToStdString(name), kWireNameLength, "The wire name");
  }
  for (int field = 0; field < kNumbers; ++field)
    *NumberField(record, field) = ReadNumber(field, NumberValue(filled_, field));
  const int entry = CbGroup->currentIndex();
  if (entry >= 0) record.WireGroup = entry + 1;
  return record;
}

bool TFormWiresEdit::Run() { return exec() == QDialog::Accepted; }

void TFormWiresEdit::BtnOKClick() {
  if (CheckFields()) accept();
}

// The catalogue's exchange text separates fields with ";" and records with
// line breaks, so a name holding either could not be read back. A name as
// it came from the catalogue is taken as it is.
QString TFormWiresEdit::NameProblem() const {
  const QString name = EditType->text();
  if (name == filledName_) return {};
  if (!FitsExchangeText(ToStdString(name))) return ProblemText("Wire_name_separator", LabType);
  return FileTextProblem(name, LabType);
}

bool TFormWiresEdit::CheckFields() {
  if (const QString problem = NameProblem(); !problem.isEmpty()) {
    Problem->Show(EditType, problem);
    return false;
  }
  for (int field = 0; field < kNumbers; ++field) {
    const QString problem = NumberProblem(NumberEdits[field]->text(), NumberLabels[field]);
    if (!problem.isEmpty()) {
      Problem->Show(NumberEdits[field], problem);
      return false;
    }
  }
  const TWireRecord record = ReadRecord();
  for (int field = 0; field < kNumbers; ++field) {
    const QString problem = RangeProblem(field, NumberValue(record, field));
    if (!problem.isEmpty()) {
      Problem->Show(NumberEdits[field], problem);
      return false;
    }
  }
  Problem->Clear();
  return true;
}

// The wire's physical ranges, said in the units the field shows.
QString TFormWiresEdit::RangeProblem(int field, double value) const {
  const TInputRange& range = RangeOf(kNumberFields[field]);
  if (range.Holds(value)) return {};
  const double factor = field == kModulus ? ForceFactor() : 1;
  return FieldName(NumberLabels[field]) + " = " + ToQString(FloatToExactText(value * factor)) + ": " +
         ToQString(LocalText("Range_outside") + " " + FloatToText(range.Lo * factor) + " – " +
                   FloatToText(range.Hi * factor) + " ") +
         UnitLabels[field]->text();
}

// Every opening starts afresh on the first field, whatever had the focus
// when the dialog was last closed.
void TFormWiresEdit::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    Problem->Clear();
    CbGroup->setFocus(Qt::OtherFocusReason);
  }
  QDialog::showEvent(event);
}

}  // namespace orv::ui
