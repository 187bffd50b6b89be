#include "cli/cli_options.h"

#include <string_view>

namespace orv::cli {

namespace {

struct OptionDefinition {
  const char* name;
  CliOptionSet flag;
  bool takesValue;
};

constexpr OptionDefinition kOptions[] = {
    {"--catalog", kOptionCatalog, true}, {"--lang", kOptionLang, true},
    {"--units", kOptionUnits, true},     {"--format", kOptionFormat, true},
    {"--open", kOptionOpen, false},      {"-o", kOptionOutput, true},
    {"--from", kOptionFrom, true},       {"--explain", kOptionExplain, false},
    {"--support", kOptionSupport, true}, {"--no-bom", kOptionNoBom, false},
};

const OptionDefinition* FindOption(std::string_view name) {
  for (const OptionDefinition& definition : kOptions) {
    if (name == definition.name) return &definition;
  }
  return nullptr;
}

int ChoiceIndex(const std::string& option, const std::string& value, const char* first, const char* second) {
  if (value == first) return 0;
  if (value == second) return 1;
  throw UsageError("invalid value '" + value + "' for " + option + " (expected " + first + " or " + second +
                   ")");
}

template <typename T>
void SetOnce(std::optional<T>& slot, T value, const std::string& option) {
  if (slot) throw UsageError("option " + option + " given more than once");
  slot = std::move(value);
}

void Apply(CliOptions& options, const OptionDefinition& definition, const std::string& value) {
  const std::string name = definition.name;
  switch (definition.flag) {
    case kOptionCatalog:
      SetOnce(options.catalog, value, name);
      break;
    case kOptionLang:
      SetOnce(options.language, ChoiceIndex(name, value, "en", "ru"), name);
      break;
    case kOptionUnits:
      SetOnce(options.units, ChoiceIndex(name, value, "daN", "N"), name);
      break;
    case kOptionFormat:
      if (value != "text" && value != "json" && value != "csv")
        throw UsageError("invalid value '" + value + "' for --format (expected text, json or csv)");
      SetOnce(options.format, value, name);
      break;
    case kOptionOpen:
      if (options.open) throw UsageError("option --open given more than once");
      options.open = true;
      break;
    case kOptionExplain:
      if (options.explain) throw UsageError("option --explain given more than once");
      options.explain = true;
      break;
    case kOptionNoBom:
      if (options.noBom) throw UsageError("option --no-bom given more than once");
      options.noBom = true;
      break;
    case kOptionOutput:
      SetOnce(options.output, value, name);
      break;
    case kOptionFrom:
      SetOnce(options.from, value, name);
      break;
    case kOptionSupport:
      SetOnce(options.support, value, name);
      break;
  }
}

bool LooksLikeOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& args, unsigned accepted) {
  CliOptions options;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (optionsEnded || !LooksLikeOption(word)) {
      options.arguments.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const OptionDefinition* definition = FindOption(name);
    if (!definition || !(accepted & definition->flag)) throw UsageError("unknown option " + name);
    std::string value;
    if (equals != std::string::npos) {
      if (!definition->takesValue) throw UsageError("option " + name + " takes no value");
      value = word.substr(equals + 1);
    } else if (definition->takesValue) {
      if (i + 1 >= args.size()) throw UsageError("option " + name + " needs a value");
      value = args[++i];
    }
    if (definition->takesValue && value.empty()) throw UsageError("option " + name + " needs a value");
    Apply(options, *definition, value);
  }
  return options;
}

}  // namespace orv::cli
