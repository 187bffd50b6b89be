#include "project/project_reader.h"

#include <cstdint>
#include <limits>

#include "base/cp1251.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "base/text_excerpt.h"
#include "base/text_utils.h"
#include "project/project_coefficient_lines.h"
#include "project/project_error_location.h"
#include "project/project_file_fields.h"
#include "project/project_heights_line.h"

namespace {

constexpr size_t kSupportNumberLength = 6;
constexpr size_t kWireNameLength = 16;

// The file holds one byte per character, so the cut counts bytes.
std::string ReadCutText(TextLineReader& file, size_t length) {
  std::string bytes = file.ReadTextLine();
  if (bytes.size() > length) bytes.resize(length);
  return Cp1251ToUtf8(bytes);
}

// The field is 16 bits wide: a value beyond it would silently change.
int16_t ReadSmallIntLine(TextLineReader& file) {
  const std::string text = Cp1251ToUtf8(file.ReadTextLine());
  const int value = TextToInt(text);
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
    throw OrvError("'" + TextExcerpt(text) + "' is not a valid integer value");
  }
  return static_cast<int16_t>(value);
}

struct LimitPair {
  double real = 0;
  int32_t integer = 0;
};

// "9;0" or "0;1500"; a missing integer is 0, a missing real a format error.
LimitPair ReadLimitPair(TextLineReader& file) {
  const std::vector<std::string> parts = SplitText(Cp1251ToUtf8(file.ReadNumberText()), ';');
  LimitPair pair;
  pair.real = TextToFloat(parts.empty() ? std::string() : parts[0]);
  if (parts.size() > 1) pair.integer = TextToInt(parts[1]);
  return pair;
}

void ReadClimate(TextLineReader& file, TKlimat& klimat) {
  for (auto field : kClimateLines) klimat.*field = file.ReadFloatLine();
}

void ReadCoefficients(TextLineReader& file, TKlimatKoef& koef) {
  ReadLoadCoefficients(file, koef);
  ReadHeightsLine(Cp1251ToUtf8(file.ReadTextLine()), koef.WireHeight, koef.SupportHeight);
  koef.TerrainType = file.ReadIntLine();
}

void ReadLimits(TextLineReader& file, TPillar& support) {
  const LimitPair max = ReadLimitPair(file);
  support.StressMax = max.real;
  support.TensionMax = max.integer;
  support.TensionMode = support.TensionMax > 0 ? 1 : 0;
  const LimitPair average = ReadLimitPair(file);
  support.StressAverage = average.real;
  support.TensionAverage = average.integer;
}

TPillar ReadSupport(TextLineReader& file) {
  TPillar support;
  support.SupportNumber = ReadCutText(file, kSupportNumberLength);
  support.WireName = ReadCutText(file, kWireNameLength);
  support.WiresInPhase = file.ReadIntLine();
  for (auto field : kSupportLinesBeforeLimits) support.*field = file.ReadFloatLine();
  ReadLimits(file, support);
  for (auto field : kSupportLinesAfterLimits) support.*field = file.ReadFloatLine();
  support.Reserved = file.ReadIntLine();
  support.DeflectionDirection = ReadSmallIntLine(file);
  return support;
}

// Supports are appended one by one as they are read, so a huge count in a
// short file fails at the first missing line instead of allocating for it.
void ReadProject(TextLineReader& file, TProject& project) {
  project.Pillars.Clear();
  ReadClimate(file, project.Klimat);
  ReadCoefficients(file, project.KlimatKoef);
  const int count = file.ReadIntLine();
  for (int i = 0; i < count; ++i) project.Pillars.Add(ReadSupport(file));
}

}  // namespace

void ReadProjectText(TextLineReader& file, TProject& project, const std::string& fileName) {
  try {
    ReadProject(file, project);
  } catch (const OrvError& error) {
    throw OrvError(WithErrorLocation(error.what(), fileName, file.LineNumber()));
  }
}

void TProject::LoadFromText(TextLineReader& file) {
  TProject scratch;
  ReadProjectText(file, scratch, "");
  *this = std::move(scratch);
}
