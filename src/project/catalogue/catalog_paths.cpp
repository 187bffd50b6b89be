#include "project/catalogue/catalog_paths.h"

#include <filesystem>
#include <system_error>

#include "base/file_open.h"

using namespace orv::base;

namespace orv::project {

bool CatalogFileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(PathFromUtf8(path), error);
}

}  // namespace orv::project
