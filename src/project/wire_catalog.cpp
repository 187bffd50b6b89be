#include "project/wire_catalog.h"

#include <filesystem>
#include <system_error>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/file_open.h"
#include "base/temporary_files.h"
#include "project/catalog_paths.h"
#include "project/file_size_limits.h"
#include "project/wire_catalog_sort.h"
#include "settings/ports/ports.h"
#include "settings/texts/file_texts.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

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

// Through the atomic writer, so that a copy broken off by a kill never poses
// as the whole catalogue; a data file that appears meanwhile is still never
// overwritten. A failure leaves the catalogue to start from what there is,
// and says why: otherwise every support would only ask for its wire.
void CopyIfMissing(const std::string& from, const std::string& to) {
  if (CatalogFileExists(to) || !CatalogFileExists(from)) return;
  try {
    WriteNewFileAtomically(to, ReadWholeFile(from, kCatalogueFileLimit));
  } catch (const OrvError& error) {
    GetMessages().Show(MessageKind::Warning, FileText("Catalogue_not_copied", error.what()), MessageButtons::Ok);
  }
}

}  // namespace

void TWireCatalog::Start() {
  list_ = TWiresList();
  changes_ = 0;
  undo_.clear();
  const std::string folder = WithSeparator(GetFolders().SharedDataFolder());
  CreateFolder(folder);
  RemoveStaleTemporariesIn(PathFromUtf8(folder));
  dataFile_ = folder + kFileName;
  CopyIfMissing(WithSeparator(GetFolders().ProgramFolder()) + kFileName, dataFile_);
  if (CatalogFileExists(dataFile_)) list_.LoadFromFile(dataFile_);
  list_.SortBy(kSortByName);
}

namespace {

constexpr std::size_t kUndoDepth = 50;

}  // namespace

void TWireCatalog::RememberForUndo() {
  if (undo_.size() == kUndoDepth) undo_.erase(undo_.begin());
  undo_.push_back(list_.Records());
}

void TWireCatalog::Undo() {
  if (undo_.empty()) return;
  list_.Clear();
  for (const TWireRecord& record : undo_.back()) list_.Add(record);
  undo_.pop_back();
  CountChange();
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

}  // namespace orv::project
