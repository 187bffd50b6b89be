#include "ui/frames/frm_klimat.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "ui/frames/frame_layout.h"
#include "widgets/local_caption.h"

using namespace orv::calc;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr double kStep = 0.5;

}  // namespace

TFrameKlimat::TFrameKlimat(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildIceGroup());
  layout->addWidget(BuildTemperatureGroup());
  layout->addWidget(BuildWindGroup());
  Problem = new TInputProblem(this);
  layout->addWidget(Problem);
  layout->addStretch();
  AddRanges();
}

void TFrameKlimat::AddRanges() {
  ranges_ = new TFrameRanges(Problem, this);
  ranges_->Add(Tols, RangeOf(&TKlimat::IceThickness));
  ranges_->Add(TMin, RangeOf(&TKlimat::TempMin));
  ranges_->Add(TMax, RangeOf(&TKlimat::TempMax));
  ranges_->Add(TGsw, RangeOf(&TKlimat::TempIceWind));
  ranges_->Add(Tgbw, RangeOf(&TKlimat::TempIceNoWind));
  ranges_->Add(Tsrec, RangeOf(&TKlimat::TempAverage));
  ranges_->Add(VMax, RangeOf(&TKlimat::WindVelocityMax));
  ranges_->Add(Vwetsg, RangeOf(&TKlimat::WindVelocityIce));
}

QGroupBox* TFrameKlimat::BuildIceGroup() {
  GroupBoxIce = new QGroupBox(this);
  GroupBoxIce->setObjectName("GroupBoxIce");
  auto* grid = new QGridLayout(GroupBoxIce);
  LabThick = new QLabel(GroupBoxIce);
  LabThick->setObjectName("LabThick");
  Tols = NewRealEdit(0, kStep, GroupBoxIce);
  Tols->setObjectName("Tols");
  Lab_mm = new QLabel(GroupBoxIce);
  Lab_mm->setObjectName("Lab_mm");
  AddEditRow(grid, LabThick, Tols, Lab_mm);
  grid->setColumnStretch(3, 1);
  return GroupBoxIce;
}

QGroupBox* TFrameKlimat::BuildTemperatureGroup() {
  GroupBoxTemp = new QGroupBox(this);
  GroupBoxTemp->setObjectName("GroupBoxTemp");
  auto* grid = new QGridLayout(GroupBoxTemp);
  QLabel** captions[] = {&LabMin, &LabMax, &LabIce1, &LabIce2, &LabAverage};
  TRealSpinEdit** edits[] = {&TMin, &TMax, &TGsw, &Tgbw, &Tsrec};
  for (int i = 0; i < 5; ++i) {
    *captions[i] = new QLabel(GroupBoxTemp);
    *edits[i] = NewRealEdit(0, kStep, GroupBoxTemp);
    LabCelsius[i] = new QLabel("°C", GroupBoxTemp);
    AddEditRow(grid, *captions[i], *edits[i], LabCelsius[i]);
  }
  NameParts({{LabMin, "LabMin"}, {LabMax, "LabMax"}, {LabIce1, "LabIce1"}, {LabIce2, "LabIce2"},
             {LabAverage, "LabAverage"}, {TMin, "TMin"}, {TMax, "TMax"}, {TGsw, "TGsw"}, {Tgbw, "Tgbw"},
             {Tsrec, "Tsrec"}});
  for (int i = 0; i < 5; ++i) LabCelsius[i]->setObjectName(QString("LabCelsius%1").arg(i + 1));
  grid->setColumnStretch(3, 1);
  return GroupBoxTemp;
}

QGroupBox* TFrameKlimat::BuildWindGroup() {
  GroupBoxWind = new QGroupBox(this);
  GroupBoxWind->setObjectName("GroupBoxWind");
  auto* grid = new QGridLayout(GroupBoxWind);
  LabWindMax = new QLabel(GroupBoxWind);
  LabWindMax->setObjectName("LabWindMax");
  VMax = NewRealEdit(0, kStep, GroupBoxWind);
  VMax->setObjectName("VMax");
  Lab_ms1 = new QLabel(GroupBoxWind);
  Lab_ms1->setObjectName("Lab_ms1");
  AddEditRow(grid, LabWindMax, VMax, Lab_ms1);
  LabWindIce = new QLabel(GroupBoxWind);
  LabWindIce->setObjectName("LabWindIce");
  Vwetsg = NewRealEdit(0, kStep, GroupBoxWind);
  Vwetsg->setObjectName("Vwetsg");
  Lab_ms2 = new QLabel(GroupBoxWind);
  Lab_ms2->setObjectName("Lab_ms2");
  AddEditRow(grid, LabWindIce, Vwetsg, Lab_ms2);
  grid->setColumnStretch(3, 1);
  return GroupBoxWind;
}

void TFrameKlimat::ShowData(const TKlimat& klimat) {
  Tols->SetValue(klimat.IceThickness);
  TMin->SetValue(klimat.TempMin);
  TMax->SetValue(klimat.TempMax);
  TGsw->SetValue(klimat.TempIceWind);
  Tgbw->SetValue(klimat.TempIceNoWind);
  Tsrec->SetValue(klimat.TempAverage);
  VMax->SetValue(klimat.WindVelocityMax);
  Vwetsg->SetValue(klimat.WindVelocityIce);
}

void TFrameKlimat::StoreData(TKlimat& klimat) const {
  ranges_->Store(Tols, klimat.IceThickness);
  ranges_->Store(TMin, klimat.TempMin);
  ranges_->Store(TMax, klimat.TempMax);
  ranges_->Store(TGsw, klimat.TempIceWind);
  ranges_->Store(Tgbw, klimat.TempIceNoWind);
  ranges_->Store(Tsrec, klimat.TempAverage);
  ranges_->Store(VMax, klimat.WindVelocityMax);
  ranges_->Store(Vwetsg, klimat.WindVelocityIce);
}

void TFrameKlimat::Localise() {
  SetLocalCaption(GroupBoxIce, "Ice");
  SetLocalCaption(LabThick, "Thickness");
  SetLocalCaption(Lab_mm, "mm");
  SetLocalCaption(GroupBoxTemp, "Temperature");
  SetLocalCaption(LabMin, "Min");
  SetLocalCaption(LabMax, "Max");
  SetLocalCaption(LabIce1, "Ice_with_wind");
  SetLocalCaption(LabIce2, "Ice_without_wind");
  SetLocalCaption(LabAverage, "Average_annual");
  SetLocalCaption(GroupBoxWind, "Wind_velocity");
  SetLocalCaption(LabWindMax, "Max");
  SetLocalCaption(LabWindIce, "In_case_of_ice");
  SetLocalCaption(Lab_ms1, "ms");
  SetLocalCaption(Lab_ms2, "ms");
  AlignCaptions({LabThick, LabMin, LabMax, LabIce1, LabIce2, LabAverage, LabWindMax, LabWindIce});
  ranges_->Check();
}

}  // namespace orv::ui
