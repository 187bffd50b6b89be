#include "cli/command_line_catalogue.h"

#include "base/errors.h"
#include "project/catalog_paths.h"
#include "project/project_error_location.h"
#include "project/wire_catalog.h"

using namespace orv::base;
using namespace orv::project;

namespace orv::cli {

const TWiresList& LoadCommandLineCatalogue(const CliOptions& options, TWiresList& fromFile) {
  if (!options.catalog) {
    WireCatalog().Start();
    return WiresCatalogue();
  }
  if (!CatalogFileExists(*options.catalog)) {
    throw OrvError(WithErrorLocation("File not found", *options.catalog, 0));
  }
  fromFile.Clear();
  fromFile.LoadFromFile(*options.catalog);
  return fromFile;
}

std::string CommandLineCataloguePath(const CliOptions& options) {
  return options.catalog ? *options.catalog : WireCatalog().SavePath();
}

}  // namespace orv::cli
