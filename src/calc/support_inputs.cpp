#include "calc/support_inputs.h"

#include <initializer_list>

#include "base/checked_math.h"

using namespace orv::base;

namespace orv::calc {

namespace {

void CheckAll(std::initializer_list<double> values) {
  for (double value : values) Finite(value);
}

}  // namespace

void CheckInputsFinite(const TPillar& p, const TWireRecord& w, const TKlimat& k, const TKlimatKoef& c) {
  CheckAll({w.WireDiameter, w.WireArea, w.WireWeight, w.WireModulus, w.WireExpansion});
  CheckAll({k.IceThickness, k.WindVelocityMax, k.WindVelocityIce, k.TempMin, k.TempIceNoWind, k.TempIceWind,
            k.TempAverage});
  CheckAll({c.WindRespCoef, c.WindRegionalCoef, c.WindReliabilityCoef, c.IceRespCoef, c.IceRegionalCoef,
            c.IceReliabilityCoef, c.IceOperatingCoef});
  CheckAll({p.GroundLeft, p.GroundThis, p.GroundRight, p.TurnAngle, p.SpanLeft, p.SpanRight, p.SpanEquivalent,
            p.DamperWeight, p.InsulatorWeight, p.StressMax, p.StressAverage, p.HeightLeft, p.HeightThis,
            p.HeightRight, p.AlfaP, p.AlfaAB, p.AlfaBal});
}

}  // namespace orv::calc
