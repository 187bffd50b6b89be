#include "ui/frames/frm_klimat_koef.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/frames/frame_layout.h"
#include "widgets/local_caption.h"

using namespace orv::calc;
using namespace orv::widgets;

namespace orv::ui {

namespace {

constexpr double kCoefficientStep = 0.001;
constexpr int kInitialWireHeight = 15;

}  // namespace

TFrameKlimatKoef::TFrameKlimatKoef(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildParameterGroup());
  layout->addWidget(BuildCoefficientGroup());
  Problem = new TInputProblem(this);
  layout->addWidget(Problem);
  layout->addStretch();
  AddRanges();
}

void TFrameKlimatKoef::AddRanges() {
  ranges_ = new TFrameRanges(Problem, this);
  ranges_->Add(V_Otv, RangeOf(&TKlimatKoef::WindRespCoef));
  ranges_->Add(V_Reg, RangeOf(&TKlimatKoef::WindRegionalCoef));
  ranges_->Add(V_Nad, RangeOf(&TKlimatKoef::WindReliabilityCoef));
  ranges_->Add(G_Otv, RangeOf(&TKlimatKoef::IceRespCoef));
  ranges_->Add(G_Reg, RangeOf(&TKlimatKoef::IceRegionalCoef));
  ranges_->Add(G_Nad, RangeOf(&TKlimatKoef::IceReliabilityCoef));
  ranges_->Add(G_Usl, RangeOf(&TKlimatKoef::IceOperatingCoef));
  ranges_->Add(visotaPC, RangeOf(&TKlimatKoef::WireHeight));
}

QGroupBox* TFrameKlimatKoef::BuildParameterGroup() {
  GroupBoxPar = new QGroupBox(this);
  GroupBoxPar->setObjectName("GroupBoxPar");
  auto* layout = new QVBoxLayout(GroupBoxPar);
  layout->addWidget(BuildTerrainRow());
  LabHeight = new QLabel(GroupBoxPar);
  LabHeight->setObjectName("LabHeight");
  layout->addWidget(LabHeight);
  layout->addWidget(BuildHeightRow());
  return GroupBoxPar;
}

QWidget* TFrameKlimatKoef::BuildTerrainRow() {
  auto* row = new QWidget(GroupBoxPar);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  LabTypeTer = new QLabel(row);
  LabTypeTer->setObjectName("LabTypeTer");
  layout->addWidget(LabTypeTer);
  RBA = new QRadioButton("A", row);
  RBA->setObjectName("RBA");
  RBB = new QRadioButton("B", row);
  RBB->setObjectName("RBB");
  RBC = new QRadioButton("C", row);
  RBC->setObjectName("RBC");
  for (QRadioButton* button : {RBA, RBB, RBC}) layout->addWidget(button);
  layout->addStretch();
  RBA->setChecked(true);
  return row;
}

QWidget* TFrameKlimatKoef::BuildHeightRow() {
  auto* row = new QWidget(GroupBoxPar);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  Lab_do = new QLabel(row);
  Lab_do->setObjectName("Lab_do");
  const TInputRange& height = RangeOf(&TKlimatKoef::WireHeight);
  visotaPC = new TIntSpinEdit(static_cast<int>(height.Lo), static_cast<int>(height.Hi), row);
  visotaPC->setObjectName("visotaPC");
  visotaPC->SetValue(kInitialWireHeight);
  visotaPC->setFixedWidth(110);
  Lab_m = new QLabel(row);
  Lab_m->setObjectName("Lab_m");
  layout->addWidget(Lab_do);
  layout->addWidget(visotaPC);
  layout->addWidget(Lab_m);
  layout->addStretch();
  return row;
}

QGroupBox* TFrameKlimatKoef::BuildCoefficientGroup() {
  GroupBoxCoef = new QGroupBox(this);
  GroupBoxCoef->setObjectName("GroupBoxCoef");
  auto* layout = new QHBoxLayout(GroupBoxCoef);
  GroupBoxWind = BuildCoefficientBox({{&LabRes1, &V_Otv}, {&LabReg1, &V_Reg}, {&LabRel1, &V_Nad}});
  GroupBoxWind->setObjectName("GroupBoxWind");
  GroupBoxIce = BuildCoefficientBox(
      {{&LabRes2, &G_Otv}, {&LabReg2, &G_Reg}, {&LabRel2, &G_Nad}, {&LabOper, &G_Usl}});
  GroupBoxIce->setObjectName("GroupBoxIce");
  NameParts({{LabRes1, "LabRes1"}, {V_Otv, "V_Otv"}, {LabReg1, "LabReg1"}, {V_Reg, "V_Reg"},
             {LabRel1, "LabRel1"}, {V_Nad, "V_Nad"}, {LabRes2, "LabRes2"}, {G_Otv, "G_Otv"},
             {LabReg2, "LabReg2"}, {G_Reg, "G_Reg"}, {LabRel2, "LabRel2"}, {G_Nad, "G_Nad"},
             {LabOper, "LabOper"}, {G_Usl, "G_Usl"}});
  layout->addWidget(GroupBoxWind, 0, Qt::AlignTop);
  layout->addWidget(GroupBoxIce, 0, Qt::AlignTop);
  layout->addStretch();
  return GroupBoxCoef;
}

QGroupBox* TFrameKlimatKoef::BuildCoefficientBox(
    const std::vector<std::pair<QLabel**, TRealSpinEdit**>>& rows) {
  auto* box = new QGroupBox(GroupBoxCoef);
  auto* grid = new QGridLayout(box);
  for (const auto& [caption, edit] : rows) {
    *caption = new QLabel(box);
    *edit = NewRealEdit(1.0, kCoefficientStep, box);
    AddEditRow(grid, *caption, *edit);
  }
  return box;
}

void TFrameKlimatKoef::ShowData(const TKlimatKoef& koef) {
  if (koef.TerrainType == 1) RBA->setChecked(true);
  if (koef.TerrainType == 2) RBB->setChecked(true);
  if (koef.TerrainType == 3) RBC->setChecked(true);
  visotaPC->SetValue(koef.WireHeight);
  V_Otv->SetValue(koef.WindRespCoef);
  V_Reg->SetValue(koef.WindRegionalCoef);
  V_Nad->SetValue(koef.WindReliabilityCoef);
  G_Otv->SetValue(koef.IceRespCoef);
  G_Reg->SetValue(koef.IceRegionalCoef);
  G_Nad->SetValue(koef.IceReliabilityCoef);
  G_Usl->SetValue(koef.IceOperatingCoef);
}

void TFrameKlimatKoef::StoreData(TKlimatKoef& koef) const {
  if (RBA->isChecked()) {
    koef.TerrainType = 1;
  } else if (RBB->isChecked()) {
    koef.TerrainType = 2;
  } else if (RBC->isChecked()) {
    koef.TerrainType = 3;
  }
  ranges_->Store(visotaPC, koef.WireHeight);
  ranges_->Store(V_Otv, koef.WindRespCoef);
  ranges_->Store(V_Reg, koef.WindRegionalCoef);
  ranges_->Store(V_Nad, koef.WindReliabilityCoef);
  ranges_->Store(G_Otv, koef.IceRespCoef);
  ranges_->Store(G_Reg, koef.IceRegionalCoef);
  ranges_->Store(G_Nad, koef.IceReliabilityCoef);
  ranges_->Store(G_Usl, koef.IceOperatingCoef);
}

void TFrameKlimatKoef::Localise() {
  SetLocalCaption(GroupBoxPar, "Climaticparameter");
  SetLocalCaption(LabTypeTer, "Type_of_terrain");
  SetLocalCaption(LabHeight, "height_for_wires");
  SetLocalCaption(Lab_do, "do");
  SetLocalCaption(Lab_m, "meter");
  SetLocalCaption(GroupBoxCoef, "Reliability_coefficients");
  SetLocalCaption(GroupBoxWind, "Windloads");
  SetLocalCaption(LabRes1, "Responsibility");
  SetLocalCaption(LabReg1, "Regional");
  SetLocalCaption(LabRel1, "Reliability");
  SetLocalCaption(GroupBoxIce, "Iceloads");
  SetLocalCaption(LabRes2, "Responsibility");
  SetLocalCaption(LabReg2, "Regional");
  SetLocalCaption(LabRel2, "Reliability");
  SetLocalCaption(LabOper, "Operating");
  AlignCaptions({LabRes1, LabReg1, LabRel1});
  AlignCaptions({LabRes2, LabReg2, LabRel2, LabOper});
  ranges_->Check();
}

}  // namespace orv::ui
