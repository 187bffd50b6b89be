#include "project/wire_catalog.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/file_open.h"
#include "base/temporary_files.h"
#include "project/catalog_paths.h"
#include "project/file_size_limits.h"
#include "project/wire_catalog_sort.h"
#include "project/wire_name_order.h"
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
  undo_.clear();
  TakeSaved();
  const std::string folder = WithSeparator(GetFolders().SharedDataFolder());
  CreateFolder(folder);
  RemoveStaleTemporariesIn(PathFromUtf8(folder));
  dataFile_ = folder + kFileName;
  CopyIfMissing(WithSeparator(GetFolders().ProgramFolder()) + kFileName, dataFile_);
  TWiresList loaded;
  if (CatalogFileExists(dataFile_)) loaded.LoadFromFile(dataFile_);
  loaded.SortBy(kSortByName);
  TakeOver(std::move(loaded));
}

void TWireCatalog::Load(const std::string& path) {
  TWiresList loaded;
  loaded.LoadFromFile(path);
  TakeOver(std::move(loaded));
}

void TWireCatalog::TakeOver(TWiresList loaded) {
  list_ = std::move(loaded);
  undo_.clear();
  TakeSaved();
  Notify();
}

void TWireCatalog::Add(const TWireRecord& record) {
  RememberForUndo();
  // After every record whose name sorts before it or equals it; the others
  // keep their order, so that of two wires of one name the first stays
  // first (a re-sort could swap them).
  const std::string key = WireNameSortKey(record.WireName);
  int at = list_.Add(record);
  while (at > 0 && CompareWireNames(WireNameSortKey(list_.Item(at - 1).WireName), key) > 0) {
    std::swap(list_.Item(at - 1), list_.Item(at));
    --at;
  }
  Notify();
}

void TWireCatalog::Edit(int index, const TWireRecord& record) {
  if (list_.Items(index) == record) return;
  RememberForUndo();
  list_.Item(index) = record;
  Notify();
}

void TWireCatalog::Delete(int index) {
  list_.Items(index);  // throws for an index out of range before anything is kept
  RememberForUndo();
  list_.Delete(index);
  Notify();
}

void TWireCatalog::Import(const std::string& path) {
  TWiresList imported = list_;
  imported.ImportFromText(path);
  RememberForUndo();
  list_ = std::move(imported);
  Notify();
}

void TWireCatalog::SortBy(int key) {
  list_.SortBy(key);
  Notify();
}

namespace {

constexpr std::size_t kUndoDepth = 50;

std::vector<TWireRecord> ByName(std::vector<TWireRecord> records) {
  SortWireRecords(records, kSortByName);
  return records;
}

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
  Notify();
}

bool TWireCatalog::IsModified() const {
  // Sorting is not stable, so records of one name may stand in either order.
  return !std::is_permutation(saved_.begin(), saved_.end(), list_.Records().begin(), list_.Records().end());
}

void TWireCatalog::TakeSaved() { saved_ = ByName(list_.Records()); }

std::string TWireCatalog::SavePath() const { return list_.FileName().empty() ? dataFile_ : list_.FileName(); }

void TWireCatalog::SaveIfModified() {
  if (!IsModified()) return;
  list_.SaveToFile(SavePath());
  TakeSaved();
}

}  // namespace orv::project
