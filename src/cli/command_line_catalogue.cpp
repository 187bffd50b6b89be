#include "cli/command_line_catalogue.h"

#include "base/errors.h"
#include "project/catalogue/catalog_paths.h"
#include "project/file/project_error_location.h"

using namespace orv::base;
using namespace orv::project;

namespace orv::cli {

const TWiresList& LoadCommandLineCatalogue(const CliOptions& options, TWireCatalog& shared, TWiresList& fromFile) {
  if (!options.catalog) {
    shared.Start();
    return shared.List();
  }
  if (!CatalogFileExists(*options.catalog)) {
    throw OrvError(WithErrorLocation("File not found", *options.catalog, 0));
  }
  fromFile.Clear();
  fromFile.LoadFromFile(*options.catalog);
  return fromFile;
}

std::string CommandLineCataloguePath(const CliOptions& options, const TWireCatalog& shared) {
  return options.catalog ? *options.catalog : shared.SavePath();
}

}  // namespace orv::cli
