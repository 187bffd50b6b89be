#include "project/file/project_reader.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "base/cp1251.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "base/text_excerpt.h"
#include "project/file/project_coefficient_lines.h"
#include "project/file/project_error_location.h"
#include "project/file/project_file_fields.h"
#include "project/file/project_heights_line.h"
#include "settings/texts/file_texts.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project::detail;

namespace orv::project {

namespace {

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

// "9;0" or "0;1500"; a missing integer is 0. Every ";" separates, so that
// ";13.5" cannot pass for a real: a missing real is a format error.
LimitPair ReadLimitPair(TextLineReader& file) {
  const std::string line = Cp1251ToUtf8(file.ReadNumberText());
  const std::string_view text = line;
  const std::size_t split = text.find(';');
  const std::string_view real = text.substr(0, split);
  const std::string_view integer = split == std::string_view::npos ? std::string_view() : text.substr(split + 1);
  if (integer.find(';') != std::string_view::npos ||
      (split != std::string_view::npos && real.find_first_not_of(" \t") == std::string_view::npos))
    throw OrvError(FileText("Limit_pair_fields", TextExcerpt(line)));
  LimitPair pair;
  pair.real = TextToFloat(real);
  if (!integer.empty()) pair.integer = TextToInt(integer);
  return pair;
}

// Each value is checked as soon as it is read, so that the error names its line.
void ReadClimate(TextLineReader& file, TKlimat& klimat) {
  for (auto field : kClimateLines) {
    klimat.*field = file.ReadFloatLine();
    CheckFieldRange(RangeOf(field), klimat.*field);
  }
}

void ReadCoefficients(TextLineReader& file, TKlimatKoef& koef) {
  ReadLoadCoefficients(file, koef);
  ReadHeightsLine(Cp1251ToUtf8(file.ReadTextLine()), koef.WireHeight, koef.SupportHeight);
  CheckFieldRange(RangeOf(&TKlimatKoef::WireHeight), koef.WireHeight);
  koef.TerrainType = file.ReadIntLine();  // another type is the support's range error
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

constexpr int kCountLine = 18;

// Twenty number lines of a digit and a line end, and two text lines that may
// be empty: no support takes fewer bytes.
constexpr std::size_t kLeastSupportBytes = 40;

// A support count the file disagrees with; its place is the count's line,
// wherever the reading noticed it.
class CountMismatch : public OrvError {
 public:
  using OrvError::OrvError;
};

// Supports are appended one by one as they are read, with room for no more
// than the rest of the file can hold, so a huge count in a short file fails
// at its end instead of allocating for it. A file that ends where a support
// would begin, blank lines aside, holds fewer supports than its count.
int ReadProject(TextLineReader& file, TProject& project) {
  project.Pillars.Clear();
  ReadClimate(file, project.Klimat);
  ReadCoefficients(file, project.KlimatKoef);
  const int count = file.ReadIntLine();
  if (count < 0) throw OrvError(FileText("Support_count_negative", IntToText(count)));
  project.Pillars.Reserve(static_cast<int>(
      std::min(static_cast<std::size_t>(count), file.BytesLeft() / kLeastSupportBytes)));
  for (int i = 0; i < count; ++i) {
    if (file.OnlyBlankLinesLeft()) throw CountMismatch(FileText("Support_count_more", IntToText(count), IntToText(i)));
    project.Pillars.Add(ReadSupport(file));
  }
  return count;
}

// A count below the supports present would drop the others, and a save would
// then lose them for good: anything but blank lines after the last support
// refuses the file.
void CheckNothingFollows(TextLineReader& file, int count) {
  while (!file.AtEnd()) {
    if (file.ReadTextLine().find_first_not_of(" \t") == std::string::npos) continue;
    throw CountMismatch(
        FileText("Support_count_disagrees", IntToText(count), std::to_string(file.LineNumber())));
  }
}

}  // namespace

void ReadProjectText(TextLineReader& file, TProject& project, const std::string& fileName) {
  try {
    CheckNothingFollows(file, ReadProject(file, project));
  } catch (const CountMismatch& error) {
    throw OrvError(WithErrorLocation(error.what(), fileName, kCountLine));
  } catch (const OrvError& error) {
    throw OrvError(WithErrorLocation(error.what(), fileName, file.LineNumber()));
  }
}

void TProject::LoadFromText(TextLineReader& file) {
  TProject scratch;
  ReadProjectText(file, scratch, "");
  *this = std::move(scratch);
}

}  // namespace orv::project
