#include "project/file/dastrel_import.h"

#include "base/cp1251.h"
#include "base/errors.h"
#include "project/file/file_size_limits.h"
#include "project/file/project_coefficient_lines.h"
#include "project/file/project_error_location.h"
#include "project/file/project_heights_line.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project::detail;

namespace orv::project {

namespace {

// The first line of the newer form, compared exactly (case and blanks).
constexpr const char* kNewerFormMark = "version 3.4";

void SkipLines(TextLineReader& file, int count) {
  for (int i = 0; i < count; ++i) file.ReadTextLine();
}

// Dastrel keeps the eight values in its own order, not in ours. Each is
// checked against its range as the project reader checks it, so that the
// project written with them reads again.
void ReadClimate(TextLineReader& file, TKlimat& klimat) {
  for (auto field : {&TKlimat::TempIceNoWind, &TKlimat::TempIceWind, &TKlimat::TempMin, &TKlimat::TempMax,
                     &TKlimat::TempAverage, &TKlimat::WindVelocityIce, &TKlimat::WindVelocityMax,
                     &TKlimat::IceThickness}) {
    klimat.*field = file.ReadFloatLine();
    CheckFieldRange(RangeOf(field), klimat.*field);
  }
}

// The older form has no heights or terrain: they take the defaults.
void ReadTerrain(TextLineReader& file, bool newerForm, TKlimatKoef& koef) {
  if (!newerForm) {
    koef.WireHeight = 15;
    koef.SupportHeight = 15;
    koef.TerrainType = 1;
    return;
  }
  ReadHeightsLine(Cp1251ToUtf8(file.ReadTextLine()), koef.WireHeight, koef.SupportHeight);
  CheckFieldRange(RangeOf(&TKlimatKoef::WireHeight), koef.WireHeight);
  koef.TerrainType = file.ReadIntLine();
}

void ReadClimatePart(TextLineReader& file, TKlimat& klimat, TKlimatKoef& koef) {
  const bool newerForm = file.ReadTextLine() == kNewerFormMark;
  if (newerForm) SkipLines(file, 1);
  SkipLines(file, 1);
  ReadClimate(file, klimat);
  SkipLines(file, 6);
  ReadLoadCoefficients(file, koef);
  ReadTerrain(file, newerForm, koef);
}

void ReadWithLocation(TextLineReader& file, TKlimat& klimat, TKlimatKoef& koef, const std::string& fileName) {
  TKlimat newKlimat(klimat);
  TKlimatKoef newKoef(koef);
  try {
    ReadClimatePart(file, newKlimat, newKoef);
  } catch (const OrvError& error) {
    throw OrvError(WithErrorLocation(error.what(), fileName, file.LineNumber()));
  }
  klimat.AssignFrom(newKlimat);
  koef.AssignFrom(newKoef);
}

}  // namespace

void ReadDastrelClimate(TextLineReader& file, TKlimat& klimat, TKlimatKoef& klimatKoef) {
  ReadWithLocation(file, klimat, klimatKoef, "");
}

void ImportDastrelClimate(TProject& project, const std::string& path) {
  TextLineReader file(ReadWholeFileNamingIt(path, kDastrelFileLimit));
  ReadWithLocation(file, project.Klimat, project.KlimatKoef, path);
}

}  // namespace orv::project
