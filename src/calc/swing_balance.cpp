#include "calc/swing_balance.h"

#include "base/checked_math.h"
#include "calc/angles.h"

TSwingBalance SwingBalanceOf(const TPillar& pillar, const TWireRecord& wire, const TSwingExplanation& swing) {
  double n = pillar.WiresInPhase;
  TSwingBalance b;
  b.Horizontal = swing.HorizontalWireLoad;
  b.WireVertical = swing.VerticalWireLoad;
  b.StringVertical = swing.VerticalStringLoad;
  b.TurnWeight = swing.TurnTerm;
  b.WirePerMetre = n * wire.WireWeight;
  if (pillar.TurnAngle != 0) {
    b.TurnPullForSpan = Finite(Divide(2 * n * swing.Stress * wire.WireArea * SinDeg(pillar.TurnAngle / 2),
                                      swing.DynamicCoefficient));
  }
  return b;
}
