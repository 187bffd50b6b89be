#pragma once

#include <string>

#include "cli/cli_options.h"
#include "project/catalogue/wire_catalog.h"

namespace orv::cli {

// The wire catalogue a command works with: the file named by --catalog, read
// into `fromFile` (a missing file is an error here, never created), or else
// the catalogue the desktop program uses, started into `shared` from the
// shared data folder. The command line never saves either.
const project::TWiresList& LoadCommandLineCatalogue(const CliOptions& options, project::TWireCatalog& shared, project::TWiresList& fromFile);

// The file of that catalogue: --catalog, or the desktop program's data file.
std::string CommandLineCataloguePath(const CliOptions& options, const project::TWireCatalog& shared);

}  // namespace orv::cli
