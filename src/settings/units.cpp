#include "settings/units.h"

#include <exception>
#include <optional>
#include <string>

#include "base/errors.h"
#include "base/number_text.h"
#include "settings/ports/ports.h"

using namespace orv::base;

namespace orv::settings {

namespace {

constexpr const char* kUnitsValue = "Units";

int unitsIndex = 0;
double forceFactor = 1.0;
double stressFactor = 1.0;
// Set by a front end's one-run choice; while set, it answers every question
// about the units instead of the stored setting.
std::optional<int> sessionUnits;

void ApplyUnits(int index) {
  unitsIndex = index;
  bool newtonBased = index != 0;
  forceFactor = newtonBased ? 0.01 : 1.0;
  stressFactor = newtonBased ? 10.0 : 1.0;
}

int StoredUnitsOrDaN() {
  std::optional<std::string> stored = GetSettingsStore().ReadString(kUnitsValue);
  if (!stored) return 0;
  try {
    return TextToInt(*stored);
  } catch (const OrvError&) {
    return 0;
  }
}

}  // namespace

void SetUnits(int index) {
  sessionUnits.reset();
  ApplyUnits(index);
  GetSettingsStore().WriteString(kUnitsValue, IntToText(index));
}

void ResetUnits() {
  sessionUnits.reset();
  ApplyUnits(0);
}

void SetUnitsForSession(int index) {
  sessionUnits = index;
  ApplyUnits(index);
}

int ReadUnitsSetting() {
  if (sessionUnits) return unitsIndex = *sessionUnits;
  try {
    unitsIndex = StoredUnitsOrDaN();
  } catch (const std::exception&) {
    // A setting that cannot be read keeps the units already in force.
  }
  return unitsIndex;
}

int UnitsIndex() { return unitsIndex; }

double ForceFactor() { return forceFactor; }

double StressFactor() { return stressFactor; }

}  // namespace orv::settings
