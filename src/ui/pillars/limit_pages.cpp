#include "ui/pillars/limit_pages.h"

#include <QTabWidget>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/pillar.h"
#include "widgets/real_spin_edit.h"

using namespace orv::calc;
using namespace orv::widgets;

namespace orv::ui {

namespace {

bool IsWholeTension(double tension) {
  return std::nearbyint(tension) == tension && std::fabs(tension) <= std::numeric_limits<int32_t>::max();
}

}  // namespace

TLimitPages::TLimitPages(QTabWidget& pages, TRealSpinEdit& stressMax, TRealSpinEdit& stressAverage,
                         TRealSpinEdit& tensionMax, TRealSpinEdit& tensionAverage)
    : QObject(&pages),
      pages_(pages),
      stressMax_(stressMax),
      stressAverage_(stressAverage),
      tensionMax_(tensionMax),
      tensionAverage_(tensionAverage) {
  for (TRealSpinEdit* edit : {&stressMax_, &stressAverage_, &tensionMax_, &tensionAverage_})
    connect(edit, &TRealSpinEdit::ValueChanged, this, [this, edit] { Edited(*edit); });
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

void TLimitPages::Edited(TRealSpinEdit& edit) {
  if (converting_) return;
  const bool tension = &edit == &tensionMax_ || &edit == &tensionAverage_;
  mode_ = tension ? 1 : 0;
  if (&edit == &stressMax_) Convert(stressMax_, tensionMax_, true);
  if (&edit == &stressAverage_) Convert(stressAverage_, tensionAverage_, true);
  if (&edit == &tensionMax_) Convert(tensionMax_, stressMax_, false);
  if (&edit == &tensionAverage_) Convert(tensionAverage_, stressAverage_, false);
}

// Without a known area the other page keeps what it showed: there is
// nothing to convert with, and nothing is lost.
void TLimitPages::Convert(const TRealSpinEdit& from, TRealSpinEdit& to, bool toTension) {
  if (!(area_ > 0)) return;
  converting_ = true;
  to.SetValue(toTension ? from.Value() * area_ : from.Value() / area_);
  converting_ = false;
}

void TLimitPages::ShowOtherPage() {
  if (mode_ == 0) {
    Convert(stressMax_, tensionMax_, true);
    Convert(stressAverage_, tensionAverage_, true);
  } else {
    Convert(tensionMax_, stressMax_, false);
    Convert(tensionAverage_, stressAverage_, false);
  }
}

bool TLimitPages::TensionsAreWhole() const {
  return IsWholeTension(tensionMax_.Value()) && IsWholeTension(tensionAverage_.Value());
}

void TLimitPages::Store(TPillar& support) const {
  // Without an area a tension cannot become a stress: it is kept as the
  // nearest whole daN, the only form the file has for it.
  const bool tensions = mode_ == 1 && (TensionsAreWhole() || !(area_ > 0));
  support.TensionMode = tensions ? 1 : 0;
  support.StressMax = tensions ? 0.0 : stressMax_.Value();
  support.StressAverage = tensions ? 0.0 : stressAverage_.Value();
  const auto whole = [](double tension) {
    const double limit = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::lround(std::fmax(-limit, std::fmin(limit, tension))));
  };
  support.TensionMax = tensions ? whole(tensionMax_.Value()) : 0;
  support.TensionAverage = tensions ? whole(tensionAverage_.Value()) : 0;
}

}  // namespace orv::ui
