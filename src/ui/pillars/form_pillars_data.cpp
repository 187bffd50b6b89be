#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <algorithm>
#include <QTimer>

#include "base/errors.h"
#include "calc/pillar.h"
#include "project/results/project_results.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "ui/dialogs/input_checks.h"
#include "ui/pillars/form_pillars.h"
#include "ui/pillars/limit_pages.h"
#include "ui/pillars/live_result_panel.h"
#include "ui/wires/cut_file_text.h"
#include "ui/wires/form_wires_base.h"
#include "ui/wires/square_unit.h"
#include "widgets/input_problem.h"
#include "widgets/int_spin_edit.h"
#include "widgets/local_caption.h"
#include "widgets/real_spin_edit.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::qt_text;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr const char* kNumberWhat = "The support number";
constexpr const char* kWireWhat = "The wire name";

}  // namespace

void TFormPillars::LoadSupport(const TPillar& support) {
  NumbEdit->setText(ToQString(support.SupportNumber));
  ProvodButEdit->setText(ToQString(support.WireName));
  sePhaseNumb->SetValue(support.WiresInPhase);
  UgolSpEdit->SetValue(support.TurnAngle);
  ProletLeftSpEdit->SetValue(support.SpanLeft);
  ProletRightSpEdit->SetValue(support.SpanRight);
  ProletPrivedSpEdit->SetValue(support.SpanEquivalent);
  OtmLeftSpEdit->SetValue(support.GroundLeft);
  OtmCurSpEdit->SetValue(support.GroundThis);
  OtmRightSpEdit->SetValue(support.GroundRight);
  HeightLeftSpEdit->SetValue(support.HeightLeft);
  HeightCurSpEdit->SetValue(support.HeightThis);
  HeightRightSpEdit->SetValue(support.HeightRight);
  AlfaPSpEdit->SetValue(support.AlfaP);
  AlfaABSpEdit->SetValue(support.AlfaAB);
  AlfaBalSpEdit->SetValue(support.AlfaBal);
  VesGVSpEdit->SetValue(support.DamperWeight);
  VesGirlSpEdit->SetValue(support.InsulatorWeight);
  RadioButtonToward->setChecked(support.DeflectionDirection == 0);
  RadioButtonFrom->setChecked(support.DeflectionDirection != 0);
  Limits->Load(support, WireArea(ProvodButEdit->text()));
}

double TFormPillars::WireArea(const QString& name) const {
  return wiresBase_ ? wiresBase_->FindWire(ToStdString(name)).WireArea : 0.0;
}

void TFormPillars::StoreSupport(TPillar& support) const {
  // Both texts are checked before the first field changes.
  std::string number = CutFileText(ToStdString(NumbEdit->text()), kSupportNumberLength, kNumberWhat);
  std::string wire = CutFileText(ToStdString(ProvodButEdit->text()), kWireNameLength, kWireWhat);
  support.SupportNumber = std::move(number);
  support.WireName = std::move(wire);
  Limits->Store(support);
  support.WiresInPhase = sePhaseNumb->Value();
  support.TurnAngle = UgolSpEdit->Value();
  support.SpanLeft = ProletLeftSpEdit->Value();
  support.SpanRight = ProletRightSpEdit->Value();
  support.SpanEquivalent = ProletPrivedSpEdit->Value();
  support.GroundLeft = OtmLeftSpEdit->Value();
  support.GroundThis = OtmCurSpEdit->Value();
  support.GroundRight = OtmRightSpEdit->Value();
  support.HeightLeft = HeightLeftSpEdit->Value();
  support.HeightThis = HeightCurSpEdit->Value();
  support.HeightRight = HeightRightSpEdit->Value();
  support.AlfaP = AlfaPSpEdit->Value();
  support.AlfaAB = AlfaABSpEdit->Value();
  support.AlfaBal = AlfaBalSpEdit->Value();
  support.DamperWeight = VesGVSpEdit->Value();
  support.InsulatorWeight = VesGirlSpEdit->Value();
  support.DeflectionDirection = RadioButtonFrom->isChecked() ? 1 : 0;
}

// The files hold Windows-1251 only: a character outside it is refused,
// with the dialog still open, instead of making the project unsavable; and a
// number field left empty would silently keep its old value.
std::pair<QWidget*, QString> TFormPillars::FirstProblem() const {
  const std::pair<QLineEdit*, QLabel*> texts[] = {{NumbEdit, LabName}, {ProvodButEdit, LabTypeWire}};
  for (const auto& [edit, caption] : texts) {
    const QString problem = FileTextProblem(edit->text(), caption);
    if (!problem.isEmpty()) return {edit, problem};
  }
  const std::pair<TRealSpinEdit*, QLabel*> reals[] = {
      {seNapr_max, LabNapr_Max},    {seNapr_srg, LabNapr_srg},     {seTag_max, LabStressMax},
      {seTag_srg, LabStress_srg},   {UgolSpEdit, LabAngleRoute},
      {ProletLeftSpEdit, LabLeft},  {ProletRightSpEdit, LabRight}, {ProletPrivedSpEdit, LabEqu},
      {OtmLeftSpEdit, LabLeft2},    {OtmCurSpEdit, LabThis},       {OtmRightSpEdit, LabRigh2},
      {HeightLeftSpEdit, LabLeft3}, {HeightCurSpEdit, LabThis2},   {HeightRightSpEdit, LabRigh3},
      {AlfaPSpEdit, LabAlfaP},      {AlfaABSpEdit, LabAlfaAB},     {AlfaBalSpEdit, LabBallast},
      {VesGVSpEdit, LabDamper},     {VesGirlSpEdit, LabInsulator}};
  for (const auto& [edit, caption] : reals) {
    if (!edit->HasNumber()) return {edit, NumberProblem(edit->text(), caption)};
  }
  if (!sePhaseNumb->HasNumber()) return {sePhaseNumb, NumberProblem(sePhaseNumb->text(), LabNumbers)};
  return {nullptr, {}};
}

bool TFormPillars::ValidateInput() {
  const auto [field, problem] = FirstProblem();
  if (field) {
    Problem->Show(field, problem);
    return false;
  }
  Problem->Clear();
  return true;
}

bool TFormPillars::Edit(TPillar& support) {
  LoadSupport(support);
  if (exec() != QDialog::Accepted) return false;
  StoreSupport(support);
  return true;
}

void TFormPillars::BitBtnOKClick() {
  if (ValidateInput() && KeepTakenNumber()) accept();
}

bool TFormPillars::KeepTakenNumber() {
  const std::string number = ToStdString(NumbEdit->text());
  if (std::find(otherNumbers_.begin(), otherNumbers_.end(), number) == otherNumbers_.end()) return true;
  std::string text = LocalText("Support_number_taken");
  text.replace(text.find("%1"), 2, number);
  if (GetMessages().Show(MessageKind::Warning, text, MessageButtons::YesNo) == MessageAnswer::Yes)
    return true;
  NumbEdit->setFocus(Qt::OtherFocusReason);
  NumbEdit->selectAll();
  return false;
}

void TFormPillars::BitBtnCancelClick() { reject(); }

void TFormPillars::ProvodButEditButtonClick() {
  if (!wiresBase_ || !wiresBase_->RunSelection(ToStdString(ProvodButEdit->text()))) return;
  const TWireRecord wire = wiresBase_->SelectedWire();
  if (!wire.WireName.empty()) ProvodButEdit->setText(ToQString(wire.WireName));
}

void TFormPillars::FormShow() {
  SetLocalWindowTitle(this, "Support");
  SetLocalCaption(LabName, "Number_support");
  SetLocalCaption(LabTypeWire, "Type_wire");
  PcNapr->setTabText(0, ToDisplayText(LocalText("Tension")));
  PcNapr->setTabText(1, ToDisplayText(LocalText("Stress")));
  SetLocalCaption(LabNapr_Max, "Max_perm_tens");
  SetLocalCaption(LabNapr_srg, "Tension_aver_temp");
  LabUnit_Napr_Max->setText(SquareUnitText("daN_mm"));
  LabUnit_Napr_srg->setText(SquareUnitText("daN_mm"));
  SetLocalCaption(LabStressMax, "Max_stress");
  SetLocalCaption(LabStress_srg, "Stress_aver_temp");
  SetLocalCaption(Lab_daN1, "daN");
  SetLocalCaption(Lab_daN2, "daN");
  SetLocalCaption(LabNumbers, "Number_wires");
  SetLocalCaption(LabAngleRoute, "Angle_route");
  const std::pair<QGroupBox*, const char*> boxes[] = {{GroupBoxSpans, "Spans"},
                                                      {GroupBoxGround, "Ground_level"},
                                                      {GroupBoxHeight, "Height_wire"},
                                                      {GroupBoxAngles, "Approaching_angles"},
                                                      {GroupBoxWeight, "Weight"}};
  for (const auto& [box, key] : boxes) SetLocalCaption(box, key);
  const std::pair<QLabel*, const char*> labels[] = {{LabLeft, "On_the_left"},
                                                    {LabRight, "On_the_right"},
                                                    {LabEqu, "Equivalent"},
                                                    {LabLeft2, "Left"},
                                                    {LabThis, "This"},
                                                    {LabRigh2, "Right"},
                                                    {LabLeft3, "Left"},
                                                    {LabThis2, "This"},
                                                    {LabRigh3, "Right"},
                                                    {LabAlfaP, "Alfa_p"},
                                                    {LabAlfaAB, "Alfa_ab"},
                                                    {LabBallast, "With_ballast"},
                                                    {LabDamper, "Vibration_damper"},
                                                    {LabInsulator, "Insulator_string"},
                                                    {LabDef, "Deflection"}};
  for (const auto& [label, key] : labels) SetLocalCaption(label, key);
  SetLocalCaption(RadioButtonToward, "toward_support");
  SetLocalCaption(RadioButtonFrom, "from_support");
  SetOkCaption(BitBtnOK);
  SetLocalCaption(BitBtnCancel, "Cancel");
  LiveResult->Localise();
}

void TFormPillars::AttachResultSource(TResultSource source) {
  resultSource_ = std::move(source);
  liveScroll_->setVisible(static_cast<bool>(resultSource_));
  ScheduleLiveResult();
}

// Typing goes on at once; the result follows when the events are handled.
void TFormPillars::ScheduleLiveResult() {
  if (resultSource_) liveTimer_->start();
}

void TFormPillars::UpdateLiveResult() {
  if (!resultSource_) return;
  const auto [field, problem] = FirstProblem();
  if (field) return LiveResult->ShowProblem(problem);
  TPillar support;
  StoreSupport(support);
  LiveResult->ShowOutcome(resultSource_(support));
}

}  // namespace orv::ui
