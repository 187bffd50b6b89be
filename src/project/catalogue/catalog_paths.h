#pragma once

#include <string>

namespace orv::project {

// True when something exists at the UTF-8 path; an error counts as absent.
bool CatalogFileExists(const std::string& path);

}  // namespace orv::project
