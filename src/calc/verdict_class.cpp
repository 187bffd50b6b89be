#include "calc/verdict_class.h"

namespace orv::calc {

namespace {

using C = TVerdictClass;
using V = TVerdictId;

// The one table of verdicts, in the order of TVerdictId.
constexpr TVerdict kVerdicts[] = {
    {V::NoCalculation, "Mess_01", "Hang_nothing", true, 0, 0, 0.15, C::NothingNeeded},
    {V::NoLoad, "Mess_02", "Hang_nothing", true, 0, 0, 2, C::NothingNeeded},
    {V::TwoDampers, "Mess_03", "Hang_2_dampers", true, 2, 0, 0, C::Dampers},
    {V::FourDampers, "Mess_04", "Hang_4_dampers", true, 4, 0, 0, C::Dampers},
    {V::Ballast50, "Mess_05", "Hang_BL100_50", true, 0, 50, 3, C::Ballast},
    {V::Ballast100, "Mess_06", "Hang_BL100_100", true, 0, 100, 3, C::Ballast},
    {V::TwoDampersBallast100, "Mess_07", "Hang_2_dampers_BL100_100", true, 2, 100, 3, C::Ballast},
    {V::Ballast150, "Mess_08", "Hang_BL200_150", true, 0, 150, 5, C::Ballast},
    {V::TwoDampersBallast150, "Mess_09", "Hang_2_dampers_BL200_150", true, 2, 150, 5, C::Ballast},
    {V::TwoDampersBallast50, "Mess_10", "Hang_2_dampers_BL100_50", true, 2, 50, 3, C::Ballast},
    {V::Ballast200, "Mess_11", "Hang_BL200_200", true, 0, 200, 5, C::Ballast},
    {V::TwoDampersBallast200, "Mess_12", "Hang_2_dampers_BL200_200", true, 2, 200, 5, C::Ballast},
    {V::OverLimit, "Mess_13", "Hang_over_200", false, 0, 0, 0, C::OverLimit},
    {V::NoUpwardForce, "There is no force", "Hang_nothing", false, 0, 0, 0, C::NothingNeeded},
    {V::Tearing, "Evaluate_the_tearing_load", "Hang_strain_fitting", false, 0, 0, 0, C::Tearing},
    {V::DataError, "Data_error", "", false, 0, 0, 0, C::DataError},
};

}  // namespace

std::optional<double> TVerdict::Weight(double damperWeight) const {
  if (!Hangs) return std::nullopt;
  return Dampers * damperWeight + Ballast;
}

const TVerdict& VerdictOf(TVerdictId id) { return kVerdicts[static_cast<int>(id)]; }

TVerdictClass VerdictClassOf(const std::optional<TVerdictId>& verdict) {
  return verdict ? VerdictOf(*verdict).Class : TVerdictClass::DataError;
}

const char* VerdictClassKey(TVerdictClass c) {
  switch (c) {
    case TVerdictClass::NothingNeeded:
      return "Diagram_class_nothing";
    case TVerdictClass::Dampers:
      return "Diagram_class_dampers";
    case TVerdictClass::Ballast:
      return "Diagram_class_ballast";
    case TVerdictClass::OverLimit:
      return "Diagram_class_over";
    case TVerdictClass::Tearing:
      return "Diagram_class_tearing";
    case TVerdictClass::DataError:
      break;
  }
  return "Data_error";
}

}  // namespace orv::calc
