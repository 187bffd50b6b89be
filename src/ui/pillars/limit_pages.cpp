#include "ui/pillars/limit_pages.h"

#include <QSpinBox>
#include <QTabWidget>
#include <cmath>
#include <limits>

#include "calc/pillar.h"
#include "widgets/int_spin_edit.h"
#include "widgets/real_spin_edit.h"

using namespace orv::calc;
using namespace orv::widgets;

namespace orv::ui {

namespace {

int TensionOf(double stress, double area) {
  const double tension = std::round(stress * area);
  if (!(std::fabs(tension) < std::numeric_limits<int>::max())) return 0;
  return static_cast<int>(tension);
}

}  // namespace

TLimitPages::TLimitPages(QTabWidget& pages, TRealSpinEdit& stressMax, TRealSpinEdit& stressAverage,
                         TIntSpinEdit& tensionMax, TIntSpinEdit& tensionAverage)
    : QObject(&pages),
      pages_(pages),
      stressMax_(stressMax),
      stressAverage_(stressAverage),
      tensionMax_(tensionMax),
      tensionAverage_(tensionAverage) {
  for (TRealSpinEdit* edit : {&stressMax_, &stressAverage_})
    connect(edit, &TRealSpinEdit::ValueChanged, this, [this] { Edited(0); });
  for (TIntSpinEdit* edit : {&tensionMax_, &tensionAverage_})
    connect(edit, &QSpinBox::valueChanged, this, [this] { Edited(1); });
}

void TLimitPages::Load(const TPillar& limits, double area) {
  converting_ = true;
  stressMax_.SetValue(limits.StressMax);
  stressAverage_.SetValue(limits.StressAverage);
  tensionMax_.SetValue(limits.TensionMax);
  tensionAverage_.SetValue(limits.TensionAverage);
  converting_ = false;
  mode_ = limits.TensionMode == 0 ? 0 : 1;
  area_ = area;
  pages_.setCurrentIndex(mode_);
  ShowOtherPage();
}

void TLimitPages::SetArea(double area) {
  if (area == area_) return;
  area_ = area;
  ShowOtherPage();
}

void TLimitPages::Edited(int mode) {
  if (converting_) return;
  mode_ = mode;
  ShowOtherPage();
}

// Without a known area the other page keeps what it showed: there is
// nothing to convert with, and nothing is lost.
void TLimitPages::ShowOtherPage() {
  if (!(area_ > 0)) return;
  converting_ = true;
  if (mode_ == 0) {
    tensionMax_.SetValue(TensionOf(stressMax_.Value(), area_));
    tensionAverage_.SetValue(TensionOf(stressAverage_.Value(), area_));
  } else {
    stressMax_.SetValue(tensionMax_.Value() / area_);
    stressAverage_.SetValue(tensionAverage_.Value() / area_);
  }
  converting_ = false;
}

}  // namespace orv::ui
