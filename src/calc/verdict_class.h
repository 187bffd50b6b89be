#pragma once

#include <optional>

namespace orv::calc {

// What a verdict asks of the designer, as the pictures and the results table
// tell supports apart.
enum class TVerdictClass {
  NothingNeeded,  // no load, or no upward force at a support without a string
  Dampers,        // two or four vibration dampers
  Ballast,        // a ballast, alone or with two dampers
  OverLimit,      // more than 200 kg, or a strain support
  Tearing,        // an upward force at the lowest temperature, no string
  DataError,      // no result: an error or "Data error"
};

// Every recommendation the calculation can give, in the order of its
// dictionary keys "Mess_01".."Mess_13", then the verdicts of a support
// without a string and "Data error".
enum class TVerdictId {
  NoCalculation,          // Mess_01
  NoLoad,                 // Mess_02
  TwoDampers,             // Mess_03
  FourDampers,            // Mess_04
  Ballast50,              // Mess_05
  Ballast100,             // Mess_06
  TwoDampersBallast100,   // Mess_07
  Ballast150,             // Mess_08
  TwoDampersBallast150,   // Mess_09
  TwoDampersBallast50,    // Mess_10
  Ballast200,             // Mess_11
  TwoDampersBallast200,   // Mess_12
  OverLimit,              // Mess_13
  NoUpwardForce,          // no string, no upward force
  Tearing,                // no string, an upward force
  DataError,
};

// One verdict: its texts and the hardware it hangs.
struct TVerdict {
  TVerdictId Id;
  const char* Key;         // dictionary key of the sentence ("Mess_05")
  const char* HangingKey;  // dictionary key of the short hardware text; "" for none
  bool Hangs;              // names hardware with a weight (Mess_01..Mess_12)
  int Dampers;             // vibration dampers hung
  double Ballast;          // kg of ballast hung, 0 for none
  // How far (kg) the load a verdict is chosen for may exceed the weight it
  // hangs: a ballast covers a little more than it weighs (50 kg up to 53),
  // and up to 2 kg no load is hung at all.
  double Tolerance;
  TVerdictClass Class;

  // The weight the hardware hangs with dampers of `damperWeight` kg; empty
  // for a verdict that hangs none.
  std::optional<double> Weight(double damperWeight) const;
};

const TVerdict& VerdictOf(TVerdictId id);

// The dictionary key of a class's name ("Diagram_class_ballast", ...).
const char* VerdictClassKey(TVerdictClass verdictClass);

// The class of a calculated verdict; DataError for none.
TVerdictClass VerdictClassOf(const std::optional<TVerdictId>& verdict);

}  // namespace orv::calc
