#include "cli/catalog_command.h"

#include <iostream>

#include "base/errors.h"
#include "cli/cli_options.h"
#include "cli/command_line_session.h"
#include "cli/output_guard.h"
#include "project/catalogue/catalog_paths.h"
#include "project/file/project_error_location.h"
#include "project/catalogue/wires_list.h"

using namespace orv::base;
using namespace orv::project;

namespace orv::cli {

namespace {

constexpr const char* kUsage =
    "usage: orvane catalog import TEXT.txt -o FILE.dat\n"
    "       orvane catalog export FILE.dat -o TEXT.txt\n";

struct CatalogJob {
  CliOptions options;
  std::string action;
  std::string input;
  std::string output;
};

CatalogJob ParseJob(const std::vector<std::string>& args) {
  const CliOptions options = ParseCliOptions(args, kOptionOutput);
  if (options.arguments.empty()) throw UsageError("catalog needs import or export");
  const std::string& action = options.arguments[0];
  if (action != "import" && action != "export") throw UsageError("unknown catalog action '" + action + "'");
  if (options.arguments.size() != 2) throw UsageError("catalog " + action + " needs one input file");
  if (!options.output) throw UsageError("catalog " + action + " needs -o FILE");
  return {options, action, options.arguments[1], *options.output};
}

// The file order is kept both ways: neither direction sorts.
void RunJob(const CatalogJob& job) {
  TWiresList list;
  RefuseOutputOverInputs(job.output, {job.input}, job.action == "import" ? TOutputKind::Catalogue : TOutputKind::Other);
  if (!CatalogFileExists(job.input)) throw OrvError(WithErrorLocation("File not found", job.input, 0));
  if (job.action == "import") {
    list.ImportFromText(job.input);
    list.SaveToFile(job.output);
  } else {
    // LoadFromFile would create a missing file; the check above keeps it from
    // leaving an empty catalogue behind a typing error.
    list.LoadFromFile(job.input);
    list.ExportToText(job.output);
  }
}

}  // namespace

int RunCatalogCommand(const std::vector<std::string>& args) {
  CatalogJob job;
  try {
    job = ParseJob(args);
  } catch (const UsageError& error) {
    std::cerr << "error: " << error.what() << '\n' << kUsage;
    return 2;
  }
  try {
    // The catalogue's warnings (a record cut short) and the texts of its
    // errors come from the dictionary and go to stderr, as for every command.
    CommandLineSession session(job.options);
    RunJob(job);
  } catch (const std::exception& error) {
    std::cerr << "error: " << error.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace orv::cli
