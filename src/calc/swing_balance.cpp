#include "calc/swing_balance.h"

namespace orv::calc {

TSwingBalance SwingBalanceOf(const TPillar& pillar, const TWireRecord& wire, const TSwingExplanation& swing) {
  TSwingBalance b;
  b.Horizontal = swing.HorizontalWireLoad;
  b.TurnPull = swing.HorizontalTurnLoad;
  b.WireVertical = swing.VerticalWireLoad;
  b.StringVertical = swing.VerticalStringLoad;
  b.WirePerMetre = pillar.WiresInPhase * wire.WireWeight;
  return b;
}

}  // namespace orv::calc
