#include "cli/calc_json.h"

#include "cli/calc_explain.h"
#include "cli/json_text.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace orv::cli {

namespace {

std::string JsonMessageList(const std::vector<TLocalMessage>& messages) {
  std::string out = "[";
  for (size_t i = 0; i < messages.size(); ++i) {
    if (i > 0) out += ", ";
    out += JsonString(MessageText(messages[i]));
  }
  return out + "]";
}

std::string SupportJson(const TSupportOutcome& entry, bool explain) {
  const TSupportResults& results = entry.Results;
  return "{\"index\": " + std::to_string(entry.Index) + ", \"number\": " + JsonString(entry.Number) +
         ", \"wire\": " + JsonString(entry.Wire) +
         ",\n   \"verdict_key\": " +
         JsonOptionalString(results.Verdict ? std::optional<std::string>(VerdictOf(*results.Verdict).Key)
                                            : std::nullopt) +
         ", \"verdict\": " + JsonOptionalString(VerdictText(results)) +
         ",\n   \"balancing_load\": " + JsonOptionalNumber(results.BalancingLoad) +
         ", \"min_weight_span\": " + JsonOptionalNumber(results.MinWeightSpan) +
         ", \"vertical_load_min_temp\": " + JsonOptionalNumber(results.VerticalLoadMinTemp) +
         ",\n   \"messages\": " + JsonMessageList(entry.Messages) +
         ", \"error\": " + JsonOptionalString(ErrorText(entry)) +
         (explain ? ",\n   \"explain\": " + ExplainJson(entry) : std::string()) + "}";
}

}  // namespace

std::string CalcJson(const std::string& projectName, const std::string& language,
                     const std::vector<TSupportOutcome>& supports, bool explain) {
  std::string out = "{\"project\": " + JsonString(projectName) + ", \"language\": " + JsonString(language) +
                    ", \"supports\": [";
  for (size_t i = 0; i < supports.size(); ++i) {
    out += i > 0 ? ",\n  " : "\n  ";
    out += SupportJson(supports[i], explain);
  }
  return out + "]}\n";
}

}  // namespace orv::cli
