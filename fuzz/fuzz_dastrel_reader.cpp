// Reads arbitrary bytes as a Dastrel project's climate part; a failed read must
// leave the climate as it was.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/file/dastrel_import.h"
#include "base/errors.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TKlimat klimat;
  TKlimatKoef koef;
  TextLineReader file(std::string(reinterpret_cast<const char*>(data), size));
  try {
    ReadDastrelClimate(file, klimat, koef);
  } catch (const OrvError&) {
    if (!klimat.IsEqual(TKlimat()) || !koef.IsEqual(TKlimatKoef())) std::abort();
    return 0;
  }
  for (double value : {klimat.IceThickness, klimat.WindVelocityMax, klimat.TempMin, koef.WindRespCoef,
                       koef.IceOperatingCoef}) {
    if (!std::isfinite(value)) std::abort();
  }
  return 0;
}
