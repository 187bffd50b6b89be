#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <utility>
#include <vector>

#include "calc/klimat_koef.h"
#include "ui/frames/frame_ranges.h"
#include "widgets/input_problem.h"
#include "widgets/int_spin_edit.h"
#include "widgets/real_spin_edit.h"

namespace orv::ui {

// Edits the climate refinements and the reliability coefficients of a
// project. SupportHeight has no control: the frame neither shows nor changes
// it.
class TFrameKlimatKoef : public QWidget {
  Q_OBJECT

 public:
  explicit TFrameKlimatKoef(QWidget* parent = nullptr);

  // A terrain type other than 1, 2 or 3 leaves the radio buttons as they are.
  void ShowData(const calc::TKlimatKoef& koef);
  // TerrainType keeps its value while no radio button is selected, and a
  // coefficient outside its physical range keeps its value in `koef`; the
  // frame says which and why. The wire height edit takes no other value.
  void StoreData(calc::TKlimatKoef& koef) const;
  void Localise();

 private:
  QGroupBox* GroupBoxPar;
  QLabel* LabTypeTer;
  QRadioButton* RBA;
  QRadioButton* RBB;
  QRadioButton* RBC;
  QLabel* LabHeight;
  QLabel* Lab_do;
  widgets::TIntSpinEdit* visotaPC;
  QLabel* Lab_m;

  QGroupBox* GroupBoxCoef;
  QGroupBox* GroupBoxWind;
  QLabel* LabRes1;
  widgets::TRealSpinEdit* V_Otv;
  QLabel* LabReg1;
  widgets::TRealSpinEdit* V_Reg;
  QLabel* LabRel1;
  widgets::TRealSpinEdit* V_Nad;
  QGroupBox* GroupBoxIce;
  QLabel* LabRes2;
  widgets::TRealSpinEdit* G_Otv;
  QLabel* LabReg2;
  widgets::TRealSpinEdit* G_Reg;
  QLabel* LabRel2;
  widgets::TRealSpinEdit* G_Nad;
  QLabel* LabOper;
  widgets::TRealSpinEdit* G_Usl;

  widgets::TInputProblem* Problem;

  void AddRanges();
  QGroupBox* BuildParameterGroup();
  QWidget* BuildTerrainRow();
  QWidget* BuildHeightRow();
  QGroupBox* BuildCoefficientGroup();
  QGroupBox* BuildCoefficientBox(const std::vector<std::pair<QLabel**, widgets::TRealSpinEdit**>>& rows);

  TFrameRanges* ranges_;
};

}  // namespace orv::ui
