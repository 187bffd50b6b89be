#include "cli/calc_json.h"

#include "cli/json_text.h"

namespace {

std::string JsonStringList(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out += ", ";
    out += JsonString(texts[i]);
  }
  return out + "]";
}

std::string SupportJson(const SupportCalculation& entry) {
  const TSupportResults& results = entry.results;
  return "{\"index\": " + std::to_string(entry.index) + ", \"number\": " + JsonString(entry.number) +
         ", \"wire\": " + JsonString(entry.wire) +
         ",\n   \"verdict_key\": " + JsonOptionalString(results.VerdictKey) +
         ", \"verdict\": " + JsonOptionalString(results.VerdictText) +
         ",\n   \"balancing_load\": " + JsonOptionalNumber(results.BalancingLoad) +
         ", \"min_weight_span\": " + JsonOptionalNumber(results.MinWeightSpan) +
         ", \"vertical_load_min_temp\": " + JsonOptionalNumber(results.VerticalLoadMinTemp) +
         ",\n   \"messages\": " + JsonStringList(entry.messages) +
         ", \"error\": " + JsonOptionalString(entry.error) + "}";
}

}  // namespace

std::string CalcJson(const std::string& projectName, const std::string& language,
                     const std::vector<SupportCalculation>& supports) {
  std::string out = "{\"project\": " + JsonString(projectName) + ", \"language\": " + JsonString(language) +
                    ", \"supports\": [";
  for (size_t i = 0; i < supports.size(); ++i) {
    out += i > 0 ? ",\n  " : "\n  ";
    out += SupportJson(supports[i]);
  }
  return out + "]}\n";
}
