#include "ui/pillars/form_pillars.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/pillar.h"
#include "ui/app/command_guard.h"
#include "ui/app/window_placement.h"
#include "ui/dialogs/input_checks.h"
#include "ui/frames/frame_layout.h"
#include "ui/pillars/limit_pages.h"
#include "ui/pillars/live_result_panel.h"
#include "widgets/input_problem.h"
#include "widgets/int_spin_edit.h"
#include "widgets/real_spin_edit.h"

using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr double kStep = 0.5;
constexpr int kClientWidth = 623;
constexpr int kClientHeight = 677;

TRealSpinEdit* NewEdit(QWidget* parent, const char* name) {
  TRealSpinEdit* edit = NewRealEdit(0, kStep, parent);
  edit->setObjectName(name);
  edit->SetNeedsNumber(true);
  return edit;
}

QLabel* NewLabel(QWidget* parent, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The live result's room: as tall as the panel asks for, whatever it shows,
// so that the window's size does not follow the text; where the screen is
// short it gives way down to a few lines and scrolls.
class TResultScroll : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    return {QScrollArea::sizeHint().width(), widget()->minimumHeight() + 2 * frameWidth()};
  }
  QSize minimumSizeHint() const override {
    return {QScrollArea::minimumSizeHint().width(), fontMetrics().lineSpacing() * 4 + 2 * frameWidth()};
  }
};

// The parts measure texts just set only when their layout requests are
// handled, after the window has taken its size from the old measures: the
// parts' layouts are brought up to date first, the innermost first, then the
// window's own with the rows nested in it.
void SettleLayouts(QWidget& window) {
  const QList<QWidget*> parts = window.findChildren<QWidget*>();
  for (auto part = parts.crbegin(); part != parts.crend(); ++part)
    if (QLayout* layout = (*part)->layout()) layout->activate();
  window.layout()->invalidate();
  window.layout()->activate();
}

}  // namespace

TFormPillars::TFormPillars(QWidget* parent) : QDialog(parent) {
  setObjectName("FormPillars");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildTopRow());
  layout->addWidget(BuildPages());
  layout->addWidget(BuildMiddleRow());
  const std::pair<QGroupBox*, QGroupBox*> rows[] = {
      {BuildSpans(), BuildGround()}, {BuildHeights(), BuildAngles()}, {BuildWeights(), BuildDeflection()}};
  for (const auto& [left, right] : rows) {
    auto* row = new QHBoxLayout;
    row->addWidget(left, 1);
    row->addWidget(right, 1);
    layout->addLayout(row);
  }
  layout->addWidget(BuildLiveResult(), 1);
  Problem = new TInputProblem(this);
  Problem->setObjectName("Problem");
  layout->addWidget(Problem);
  layout->addLayout(BuildButtons());
  LimitTexts();
  WatchEdits();
  resize(kClientWidth, kClientHeight);
}

// The result scrolls within the height the window leaves it, so that a long
// reason is read to its end and the dialog keeps one size from support to
// support: OK does not move.
QWidget* TFormPillars::BuildLiveResult() {
  liveScroll_ = new TResultScroll(this);
  liveScroll_->setObjectName("LiveResultScroll");
  liveScroll_->setWidgetResizable(true);
  liveScroll_->setFrameShape(QFrame::NoFrame);
  liveScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LiveResult = new TLiveResultPanel(liveScroll_);
  liveScroll_->setWidget(LiveResult);
  liveScroll_->hide();
  return liveScroll_;
}

// Every change of a field, page or button recalculates the live result.
void TFormPillars::WatchEdits() {
  liveTimer_ = new QTimer(this);
  liveTimer_->setSingleShot(true);
  liveTimer_->setInterval(0);
  connect(liveTimer_, &QTimer::timeout, this, [this] { UpdateLiveResult(); });
  for (QLineEdit* edit : findChildren<QLineEdit*>())
    connect(edit, &QLineEdit::textChanged, this, [this] { ScheduleLiveResult(); });
  connect(ProvodButEdit, &QLineEdit::textChanged, this,
          [this](const QString& name) { Limits->SetArea(WireArea(name)); });
  connect(RadioButtonFrom, &QRadioButton::toggled, this, [this] { ScheduleLiveResult(); });
}

// Typing stops at the length the files keep, and the dialog says so.
void TFormPillars::LimitTexts() {
  LimitLength(NumbEdit, static_cast<int>(calc::kSupportNumberLength), LabName, Problem);
  LimitLength(ProvodButEdit, static_cast<int>(calc::kWireNameLength), LabTypeWire, Problem);
  sePhaseNumb->SetNeedsNumber(true);
}

QWidget* TFormPillars::BuildTopRow() {
  auto* row = new QWidget(this);
  auto* grid = new QGridLayout(row);
  grid->setContentsMargins(0, 0, 0, 0);
  LabName = NewLabel(row);
  LabName->setObjectName("LabName");
  NumbEdit = new QLineEdit(row);
  NumbEdit->setObjectName("NumbEdit");
  LabTypeWire = NewLabel(row);
  LabTypeWire->setObjectName("LabTypeWire");
  ProvodButEdit = new QLineEdit(row);
  ProvodButEdit->setObjectName("ProvodButEdit");
  ProvodButton = new QToolButton(row);
  ProvodButton->setObjectName("ProvodButton");
  ProvodButton->setText("…");
  connect(ProvodButton, &QToolButton::clicked, this,
          [this] { RunGuarded([this] { ProvodButEditButtonClick(); }); });
  grid->addWidget(LabName, 0, 0);
  grid->addWidget(NumbEdit, 0, 1);
  grid->addWidget(LabTypeWire, 0, 2);
  auto* wire = new QHBoxLayout;
  wire->setSpacing(0);
  wire->addWidget(ProvodButEdit, 1);
  wire->addWidget(ProvodButton);
  grid->addLayout(wire, 0, 3);
  grid->setColumnStretch(3, 1);
  return row;
}

QWidget* TFormPillars::BuildPages() {
  PcNapr = new QTabWidget(this);
  PcNapr->setObjectName("PcNapr");
  TabNapr = new QWidget(PcNapr);
  TabNapr->setObjectName("TabNapr");
  auto* stresses = new QGridLayout(TabNapr);
  LabNapr_Max = NewLabel(TabNapr);
  LabNapr_Max->setObjectName("LabNapr_Max");
  seNapr_max = NewEdit(TabNapr, "seNapr_max");
  LabUnit_Napr_Max = NewLabel(TabNapr);
  LabUnit_Napr_Max->setObjectName("LabUnit_Napr_Max");
  AddEditRow(stresses, LabNapr_Max, seNapr_max, LabUnit_Napr_Max);
  LabNapr_srg = NewLabel(TabNapr);
  LabNapr_srg->setObjectName("LabNapr_srg");
  seNapr_srg = NewEdit(TabNapr, "seNapr_srg");
  LabUnit_Napr_srg = NewLabel(TabNapr);
  LabUnit_Napr_srg->setObjectName("LabUnit_Napr_srg");
  AddEditRow(stresses, LabNapr_srg, seNapr_srg, LabUnit_Napr_srg);
  stresses->setColumnStretch(3, 1);

  TabSheetTag = new QWidget(PcNapr);
  TabSheetTag->setObjectName("TabSheetTag");
  auto* tensions = new QGridLayout(TabSheetTag);
  LabStressMax = NewLabel(TabSheetTag);
  LabStressMax->setObjectName("LabStressMax");
  seTag_max = NewEdit(TabSheetTag, "seTag_max");
  Lab_daN1 = NewLabel(TabSheetTag);
  Lab_daN1->setObjectName("Lab_daN1");
  AddEditRow(tensions, LabStressMax, seTag_max, Lab_daN1);
  LabStress_srg = NewLabel(TabSheetTag);
  LabStress_srg->setObjectName("LabStress_srg");
  seTag_srg = NewEdit(TabSheetTag, "seTag_srg");
  Lab_daN2 = NewLabel(TabSheetTag);
  Lab_daN2->setObjectName("Lab_daN2");
  AddEditRow(tensions, LabStress_srg, seTag_srg, Lab_daN2);
  tensions->setColumnStretch(3, 1);

  PcNapr->addTab(TabNapr, QString());
  PcNapr->addTab(TabSheetTag, QString());
  for (TRealSpinEdit* tension : {seTag_max, seTag_srg}) tension->SetIncrement(1);
  Limits = new TLimitPages(*PcNapr, *seNapr_max, *seNapr_srg, *seTag_max, *seTag_srg);
  return PcNapr;
}

QWidget* TFormPillars::BuildMiddleRow() {
  auto* row = new QWidget(this);
  auto* grid = new QGridLayout(row);
  grid->setContentsMargins(0, 0, 0, 0);
  LabNumbers = NewLabel(row);
  LabNumbers->setObjectName("LabNumbers");
  sePhaseNumb = new TIntSpinEdit(1, 3, row);
  sePhaseNumb->setObjectName("sePhaseNumb");
  LabAngleRoute = NewLabel(row);
  LabAngleRoute->setObjectName("LabAngleRoute");
  UgolSpEdit = NewEdit(row, "UgolSpEdit");
  grid->addWidget(LabNumbers, 0, 0);
  grid->addWidget(sePhaseNumb, 0, 1);
  grid->addWidget(LabAngleRoute, 1, 0);
  grid->addWidget(UgolSpEdit, 1, 1);
  grid->setColumnStretch(2, 1);
  return row;
}

QGroupBox* TFormPillars::BuildTriple(QGroupBox*& box, const std::array<QLabel**, 3>& labels,
                                     const std::array<TRealSpinEdit**, 3>& edits,
                                     const std::array<const char*, 3>& names) {
  box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  for (int i = 0; i < 3; ++i) {
    *labels[i] = NewLabel(box);
    *edits[i] = NewEdit(box, names[i]);
    AddEditRow(grid, *labels[i], *edits[i]);
  }
  grid->setColumnStretch(2, 1);
  return box;
}

QGroupBox* TFormPillars::BuildSpans() {
  BuildTriple(GroupBoxSpans, {&LabLeft, &LabRight, &LabEqu},
              {&ProletLeftSpEdit, &ProletRightSpEdit, &ProletPrivedSpEdit},
              {"ProletLeftSpEdit", "ProletRightSpEdit", "ProletPrivedSpEdit"});
  NameParts({{GroupBoxSpans, "GroupBoxSpans"}, {LabLeft, "LabLeft"},
             {LabRight, "LabRight"}, {LabEqu, "LabEqu"}});
  return GroupBoxSpans;
}

QGroupBox* TFormPillars::BuildGround() {
  BuildTriple(GroupBoxGround, {&LabLeft2, &LabThis, &LabRigh2},
              {&OtmLeftSpEdit, &OtmCurSpEdit, &OtmRightSpEdit},
              {"OtmLeftSpEdit", "OtmCurSpEdit", "OtmRightSpEdit"});
  NameParts({{GroupBoxGround, "GroupBoxGround"}, {LabLeft2, "LabLeft2"},
             {LabThis, "LabThis"}, {LabRigh2, "LabRigh2"}});
  return GroupBoxGround;
}

QGroupBox* TFormPillars::BuildHeights() {
  BuildTriple(GroupBoxHeight, {&LabLeft3, &LabThis2, &LabRigh3},
              {&HeightLeftSpEdit, &HeightCurSpEdit, &HeightRightSpEdit},
              {"HeightLeftSpEdit", "HeightCurSpEdit", "HeightRightSpEdit"});
  NameParts({{GroupBoxHeight, "GroupBoxHeight"}, {LabLeft3, "LabLeft3"},
             {LabThis2, "LabThis2"}, {LabRigh3, "LabRigh3"}});
  return GroupBoxHeight;
}

QGroupBox* TFormPillars::BuildAngles() {
  BuildTriple(GroupBoxAngles, {&LabAlfaP, &LabAlfaAB, &LabBallast},
              {&AlfaPSpEdit, &AlfaABSpEdit, &AlfaBalSpEdit},
              {"AlfaPSpEdit", "AlfaABSpEdit", "AlfaBalSpEdit"});
  NameParts({{GroupBoxAngles, "GroupBoxAngles"}, {LabAlfaP, "LabAlfaP"}, {LabAlfaAB, "LabAlfaAB"},
             {LabBallast, "LabBallast"}});
  return GroupBoxAngles;
}

QGroupBox* TFormPillars::BuildWeights() {
  GroupBoxWeight = new QGroupBox(this);
  GroupBoxWeight->setObjectName("GroupBoxWeight");
  auto* grid = new QGridLayout(GroupBoxWeight);
  LabDamper = NewLabel(GroupBoxWeight);
  LabDamper->setObjectName("LabDamper");
  VesGVSpEdit = NewEdit(GroupBoxWeight, "VesGVSpEdit");
  AddEditRow(grid, LabDamper, VesGVSpEdit);
  LabInsulator = NewLabel(GroupBoxWeight);
  LabInsulator->setObjectName("LabInsulator");
  VesGirlSpEdit = NewEdit(GroupBoxWeight, "VesGirlSpEdit");
  AddEditRow(grid, LabInsulator, VesGirlSpEdit);
  grid->setColumnStretch(2, 1);
  return GroupBoxWeight;
}

QGroupBox* TFormPillars::BuildDeflection() {
  GroupBoxDeflection = new QGroupBox(this);
  GroupBoxDeflection->setObjectName("GroupBoxDeflection");
  auto* column = new QVBoxLayout(GroupBoxDeflection);
  LabDef = NewLabel(GroupBoxDeflection);
  LabDef->setObjectName("LabDef");
  RadioButtonToward = new QRadioButton(GroupBoxDeflection);
  RadioButtonToward->setObjectName("RadioButtonToward");
  RadioButtonFrom = new QRadioButton(GroupBoxDeflection);
  RadioButtonFrom->setObjectName("RadioButtonFrom");
  column->addWidget(LabDef);
  column->addWidget(RadioButtonToward);
  column->addWidget(RadioButtonFrom);
  column->addStretch(1);
  return GroupBoxDeflection;
}

QLayout* TFormPillars::BuildButtons() {
  BitBtnOK = new QPushButton("OK", this);
  BitBtnOK->setObjectName("BitBtnOK");
  BitBtnOK->setDefault(true);
  BitBtnCancel = new QPushButton(this);
  BitBtnCancel->setObjectName("BitBtnCancel");
  connect(BitBtnOK, &QPushButton::clicked, this, [this] { RunGuarded([this] { BitBtnOKClick(); }); });
  connect(BitBtnCancel, &QPushButton::clicked, this, &TFormPillars::BitBtnCancelClick);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtnOK);
  buttons->addWidget(BitBtnCancel);
  return buttons;
}

void TFormPillars::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    FormShow();
    // Every opening starts on the first field, whatever had the focus last.
    Problem->Clear();
    NumbEdit->setFocus(Qt::OtherFocusReason);
    NumbEdit->selectAll();
    UpdateLiveResult();
    FitSize();
  }
  QDialog::showEvent(event);
}

// The design size, or more where a language needs it, but no more than the
// screen leaves; the live result takes the height that remains. The window
// was placed for its old size: it is moved in where the new one sticks out.
void TFormPillars::FitSize() {
  SettleLayouts(*this);
  QSize size = sizeHint().expandedTo(QSize(kClientWidth, kClientHeight));
  const QSize room = RoomOnScreen(*this);
  if (!room.isEmpty()) size = size.boundedTo(room);
  setFixedSize(size.expandedTo(minimumSizeHint()));
  KeepOnScreen(*this);
}

}  // namespace orv::ui
