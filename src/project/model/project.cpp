#include "project/model/project.h"

using namespace orv::calc;

namespace orv::project {

void TProject::Clear() {
  Klimat.SetDefaults();
  KlimatKoef.SetDefaults();
  Pillars.Clear();
}

void TProject::Assign(const TProject& source) {
  if (&source == this) return;
  Klimat.AssignFrom(source.Klimat);
  KlimatKoef.AssignFrom(source.KlimatKoef);
  Pillars.Assign(source.Pillars);
}

bool TProject::Equals(const TProject& other) const {
  return Klimat.IsEqual(other.Klimat) && KlimatKoef.IsEqual(other.KlimatKoef) &&
         Pillars.Equals(other.Pillars);
}

void TProject::SettleUnusedLimits() {
  for (int i = 0; i < Pillars.Count(); ++i) {
    TPillar& support = Pillars.Items(i);
    if (support.TensionMode == 0) {
      support.TensionMax = 0;
      support.TensionAverage = 0;
    } else {
      support.StressMax = 0.0;
      support.StressAverage = 0.0;
    }
  }
}

}  // namespace orv::project
