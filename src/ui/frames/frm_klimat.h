#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <array>

#include "calc/klimat.h"
#include "widgets/real_spin_edit.h"

// Edits the climatic conditions of a project. It holds what the user types;
// the project's TKlimat changes only through StoreData.
class TFrameKlimat : public QWidget {
  Q_OBJECT

 public:
  explicit TFrameKlimat(QWidget* parent = nullptr);

  void ShowData(const orv::calc::TKlimat& klimat);
  void StoreData(orv::calc::TKlimat& klimat) const;
  // Captions from the dictionary, in the current language; the °C captions
  // stay as they are.
  void Localise();

  QGroupBox* GroupBoxIce;
  QLabel* LabThick;
  orv::widgets::TRealSpinEdit* Tols;
  QLabel* Lab_mm;

  QGroupBox* GroupBoxTemp;
  QLabel* LabMin;
  orv::widgets::TRealSpinEdit* TMin;
  QLabel* LabMax;
  orv::widgets::TRealSpinEdit* TMax;
  QLabel* LabIce1;
  orv::widgets::TRealSpinEdit* TGsw;
  QLabel* LabIce2;
  orv::widgets::TRealSpinEdit* Tgbw;
  QLabel* LabAverage;
  orv::widgets::TRealSpinEdit* Tsrec;
  std::array<QLabel*, 5> LabCelsius;

  QGroupBox* GroupBoxWind;
  QLabel* LabWindMax;
  orv::widgets::TRealSpinEdit* VMax;
  QLabel* Lab_ms1;
  QLabel* LabWindIce;
  orv::widgets::TRealSpinEdit* Vwetsg;
  QLabel* Lab_ms2;

 private:
  QGroupBox* BuildIceGroup();
  QGroupBox* BuildTemperatureGroup();
  QGroupBox* BuildWindGroup();
};
