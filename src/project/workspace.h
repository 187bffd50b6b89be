#pragma once

#include "project/model/project_document.h"
#include "project/results/results_model.h"
#include "project/catalogue/wire_catalog.h"

namespace orv::project {

// What is open in one run of the desktop program: the project, the wire
// catalogue and the results of every support, which follow both. The
// start-up code owns it and gives each window what it shows.
struct TWorkspace {
  TProjectDocument Document;
  TWireCatalog Catalogue;
  TResultsModel Results{Document, Catalogue};
};

}  // namespace orv::project
