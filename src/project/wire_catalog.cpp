#include "project/wire_catalog.h"

#include <filesystem>
#include <system_error>

#include "project/catalog_paths.h"
#include "project/wire_catalog_sort.h"
#include "base/file_open.h"
#include "settings/ports/ports.h"

namespace {

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder;
}

// Failures stay silent: the catalogue then starts from what there is.
void CreateFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(folder), error);
}

// copy_options::none refuses an existing target, so a data file that appears
// meanwhile is still never overwritten. A copy that breaks off is removed, so
// a piece of the catalogue never poses as the whole.
void CopyIfMissing(const std::string& from, const std::string& to) {
  if (CatalogFileExists(to) || !CatalogFileExists(from)) return;
  std::error_code error;
  std::filesystem::copy_file(PathFromUtf8(from), PathFromUtf8(to), std::filesystem::copy_options::none,
                             error);
  if (error && error != std::errc::file_exists) std::filesystem::remove(PathFromUtf8(to), error);
}

}  // namespace

void TWireCatalog::Start() {
  list_ = TWiresList();
  changes_ = 0;
  const std::string folder = WithSeparator(GetFolders().SharedDataFolder());
  CreateFolder(folder);
  dataFile_ = folder + kFileName;
  CopyIfMissing(WithSeparator(GetFolders().ProgramFolder()) + kFileName, dataFile_);
  if (CatalogFileExists(dataFile_)) list_.LoadFromFile(dataFile_);
  list_.SortBy(kSortByName);
}

std::string TWireCatalog::SavePath() const { return list_.FileName().empty() ? dataFile_ : list_.FileName(); }

void TWireCatalog::SaveIfChanged() {
  if (changes_ <= 0) return;
  list_.SaveToFile(SavePath());
  changes_ = 0;
}

TWireCatalog& WireCatalog() {
  static TWireCatalog catalog;
  return catalog;
}

TWiresList& WiresCatalogue() { return WireCatalog().List(); }
