#pragma once

namespace orv::settings {

// The units setting: 0 = daN-based, any other index = N-based. Values are
// stored daN-based everywhere; displayed value = stored value x factor.

// Sets the index and the factors, and stores the index in "Units".
void SetUnits(int index);
// Sets the index and the factors for this run only, without storing; until
// the next SetUnits or ResetUnits, ReadUnitsSetting answers this index.
void SetUnitsForSession(int index);
// Back to the daN-based factors with index 0, forgetting a one-run choice;
// nothing is stored. The first step of the start-up.
void ResetUnits();
// Reads "Units" (default 0) into the index and returns it; leaves the factors
// alone. A failed read leaves the index as it was.
int ReadUnitsSetting();

int UnitsIndex();
// Tension forces and the modulus of elasticity: 1.0, or 0.01 (daN to kN).
double ForceFactor();
// Stresses: 1.0, or 10.0 (daN/mm2 to N/mm2).
double StressFactor();

}  // namespace orv::settings
