#include "project/file/project_heights_line.h"

#include "base/number_text.h"

using namespace orv::base;

namespace orv::project::detail {

namespace {

constexpr int32_t kDefaultHeight = 15;

int32_t HeightOrDefault(const std::string& part) { return part.empty() ? kDefaultHeight : TextToInt(part); }

}  // namespace

void ReadHeightsLine(const std::string& line, int32_t& wireHeight, int32_t& supportHeight) {
  const size_t separator = line.find(';');
  std::string first = line.substr(0, separator);
  std::string second;
  if (separator != std::string::npos) {
    for (size_t i = separator + 1; i < line.size(); ++i) {
      if (line[i] != ';') second += line[i];
    }
  }
  wireHeight = HeightOrDefault(first);
  supportHeight = HeightOrDefault(second);
}

}  // namespace orv::project::detail
