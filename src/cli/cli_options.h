#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"

namespace orv::cli {

// Wrong usage of the command line: the command prints the message and its
// usage and ends with status 2.
class UsageError : public base::OrvError {
 public:
  using base::OrvError::OrvError;
};

// The options a command accepts, combined with "|".
enum CliOptionSet : unsigned {
  kOptionCatalog = 1u << 0,  // --catalog FILE
  kOptionLang = 1u << 1,     // --lang en|ru
  kOptionUnits = 1u << 2,    // --units daN|N
  kOptionFormat = 1u << 3,   // --format text|json|csv
  kOptionOpen = 1u << 4,     // --open
  kOptionOutput = 1u << 5,   // -o FILE
  kOptionFrom = 1u << 6,     // --from FILE
  kOptionExplain = 1u << 7,  // --explain
  kOptionSupport = 1u << 8,  // --support NUMBER
  kOptionNoBom = 1u << 9,    // --no-bom
};

struct CliOptions {
  std::vector<std::string> arguments;  // the words that are not options, in order
  std::optional<std::string> catalog;
  std::optional<int> language;        // 0 English, 1 Russian
  std::optional<int> units;           // 0 daN-based, 1 N-based
  std::optional<std::string> format;  // "text", "json" or "csv"
  bool open = false;
  bool explain = false;
  bool noBom = false;  // CSV without the byte order mark, for scripts
  std::optional<std::string> output;
  std::optional<std::string> from;
  std::optional<std::string> support;  // a support number
};

// Parses the words after the command name. Options may come before, between
// or after the arguments, as "--name value" or "--name=value"; "--" ends the
// options. Throws UsageError for an option the command does not accept, a
// missing or invalid value, or an option given twice.
CliOptions ParseCliOptions(const std::vector<std::string>& args, unsigned accepted);

}  // namespace orv::cli
