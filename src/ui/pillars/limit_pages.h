#pragma once

#include <QObject>

namespace orv::widgets { class TRealSpinEdit; }
class QTabWidget;
namespace orv::calc { class TPillar; }

namespace orv::ui {

// The two pages of the support editor's permissible limits: stresses in
// daN/mm² and tensions in daN are the same two limits, converted through the
// wire's sectional area. Editing one field converts that field alone into
// its counterpart on the other page, unrounded: a limit the user did not
// touch keeps its exact value. Looking at the other page changes nothing.
class TLimitPages : public QObject {
  Q_OBJECT

 public:
  TLimitPages(QTabWidget& pages, widgets::TRealSpinEdit& stressMax, widgets::TRealSpinEdit& stressAverage,
              widgets::TRealSpinEdit& tensionMax, widgets::TRealSpinEdit& tensionAverage);

  // The page of `limits.TensionMode` (0: stresses, 1: tensions) holds the
  // limits; the other page shows them converted when the area is known.
  void Load(const calc::TPillar& limits, double area);
  // A wire of another area: the page in use keeps its values.
  void SetArea(double area);
  // The page last edited; the one the support uses.
  int Mode() const { return mode_; }
  // Writes the limits into `support`, the other pair 0 as the project file
  // keeps it. The file holds tensions as whole daN: tensions that are not
  // whole (one converted from an untouched stress, or typed with decimals)
  // are written as the stresses they make, which the calculation divides the
  // same way, so neither limit is rounded.
  void Store(calc::TPillar& support) const;

 private:
  void Edited(widgets::TRealSpinEdit& edit);
  // Shows `from` converted on the other page, in `to`.
  void Convert(const widgets::TRealSpinEdit& from, widgets::TRealSpinEdit& to, bool toTension);
  void ShowOtherPage();
  bool TensionsAreWhole() const;

  QTabWidget& pages_;
  widgets::TRealSpinEdit& stressMax_;
  widgets::TRealSpinEdit& stressAverage_;
  widgets::TRealSpinEdit& tensionMax_;
  widgets::TRealSpinEdit& tensionAverage_;
  int mode_ = 0;
  double area_ = 0;
  bool converting_ = false;
};

}  // namespace orv::ui
