#include "calc/wire_record.h"

void TWireRecord::Assign(const TWireRecord& source) { *this = source; }

bool TWireRecord::Equals(const TWireRecord& other) const {
  return WireGroup == other.WireGroup && WireName == other.WireName && WireDiameter == other.WireDiameter &&
         WireArea == other.WireArea && WireWeight == other.WireWeight && WireModulus == other.WireModulus &&
         WireExpansion == other.WireExpansion;
}
