#include "calc/swing_balance.h"

namespace orv::calc {

TSwingBalance SwingBalanceOf(const TPillar& pillar, const TWireRecord& wire, const TSwingExplanation& swing,
                             TSwingCase swingCase) {
  const TSwingCaseExplanation& c = swing.Of(swingCase);
  TSwingBalance b;
  b.Horizontal = c.HorizontalWireLoad;
  b.TurnPull = c.HorizontalTurnLoad;
  b.WireVertical = c.VerticalWireLoad;
  b.StringVertical = swing.VerticalStringLoad;
  b.WirePerMetre = pillar.WiresInPhase * wire.WireWeight;
  return b;
}

}  // namespace orv::calc
