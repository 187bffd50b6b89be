#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <array>

#include "calc/klimat.h"
#include "ui/frames/frame_ranges.h"
#include "widgets/input_problem.h"
#include "widgets/real_spin_edit.h"

namespace orv::ui {

// Edits the climatic conditions of a project. It holds what the user types;
// the project's TKlimat changes only through StoreData.
class TFrameKlimat : public QWidget {
  Q_OBJECT

 public:
  explicit TFrameKlimat(QWidget* parent = nullptr);

  void ShowData(const calc::TKlimat& klimat);
  // A field outside its physical range leaves its value in `klimat` as it
  // was; the frame says which field and why.
  void StoreData(calc::TKlimat& klimat) const;
  // Captions from the dictionary, in the current language; the °C captions
  // stay as they are.
  void Localise();

 private:
  QGroupBox* GroupBoxIce;
  QLabel* LabThick;
  widgets::TRealSpinEdit* Tols;
  QLabel* Lab_mm;

  QGroupBox* GroupBoxTemp;
  QLabel* LabMin;
  widgets::TRealSpinEdit* TMin;
  QLabel* LabMax;
  widgets::TRealSpinEdit* TMax;
  QLabel* LabIce1;
  widgets::TRealSpinEdit* TGsw;
  QLabel* LabIce2;
  widgets::TRealSpinEdit* Tgbw;
  QLabel* LabAverage;
  widgets::TRealSpinEdit* Tsrec;
  std::array<QLabel*, 5> LabCelsius;

  QGroupBox* GroupBoxWind;
  QLabel* LabWindMax;
  widgets::TRealSpinEdit* VMax;
  QLabel* Lab_ms1;
  QLabel* LabWindIce;
  widgets::TRealSpinEdit* Vwetsg;
  QLabel* Lab_ms2;

  widgets::TInputProblem* Problem;

  void AddRanges();

  QGroupBox* BuildIceGroup();
  QGroupBox* BuildTemperatureGroup();
  QGroupBox* BuildWindGroup();

  TFrameRanges* ranges_;
};

}  // namespace orv::ui
