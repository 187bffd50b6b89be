#pragma once

#include <QObject>

namespace orv::widgets { class TIntSpinEdit; }
namespace orv::widgets { class TRealSpinEdit; }
class QTabWidget;
namespace orv::calc { class TPillar; }

namespace orv::ui {

// The two pages of the support editor's permissible limits: stresses in
// daN/mm² and tensions in daN are the same two limits, converted through the
// wire's sectional area. The support uses the page the user last edited;
// looking at the other page changes nothing.
class TLimitPages : public QObject {
  Q_OBJECT

 public:
  TLimitPages(QTabWidget& pages, widgets::TRealSpinEdit& stressMax, widgets::TRealSpinEdit& stressAverage,
              widgets::TIntSpinEdit& tensionMax, widgets::TIntSpinEdit& tensionAverage);

  // The page of `limits.TensionMode` (0: stresses, 1: tensions) holds the
  // limits; the other page shows them converted when the area is known.
  void Load(const calc::TPillar& limits, double area);
  // A wire of another area: the page in use keeps its values.
  void SetArea(double area);
  int Mode() const { return mode_; }

 private:
  void Edited(int mode);
  void ShowOtherPage();

  QTabWidget& pages_;
  widgets::TRealSpinEdit& stressMax_;
  widgets::TRealSpinEdit& stressAverage_;
  widgets::TIntSpinEdit& tensionMax_;
  widgets::TIntSpinEdit& tensionAverage_;
  int mode_ = 0;
  double area_ = 0;
  bool converting_ = false;
};

}  // namespace orv::ui
