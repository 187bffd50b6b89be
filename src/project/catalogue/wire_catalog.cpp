#include "project/catalogue/wire_catalog.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <tuple>
#include <utility>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/file_open.h"
#include "base/temporary_files.h"
#include "project/catalogue/catalog_paths.h"
#include "project/file/file_size_limits.h"
#include "project/file/project_error_location.h"
#include "project/catalogue/wire_catalog_sort.h"
#include "project/catalogue/wire_name_order.h"
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
  std::string failure;
  try {
    // A link to a missing file is not replaced, and there is nothing to read
    // through it.
    if (!WriteNewFileAtomically(to, ReadWholeFileNamingIt(from, kCatalogueFileLimit)) &&
        !CatalogFileExists(to))
      failure = FileText("Catalogue_dangling_link", to);
  } catch (const OrvError& error) {
    failure = error.what();
  }
  if (!failure.empty())
    GetMessages().Show(MessageKind::Warning, FileText("Catalogue_not_copied", failure), MessageButtons::Ok);
}

}  // namespace

void TWireCatalog::Start() {
  list_ = TWiresList();
  undo_.clear();
  TakeSaved();
  const std::string shared = GetFolders().SharedDataFolder();
  dataFile_.clear();
  if (shared.empty()) {
    // Saved into whatever folder the program was started in, the catalogue
    // would be lost to the next start: it stays empty and unsaved.
    GetMessages().Show(MessageKind::Warning, FileText("Data_folder_unknown"), MessageButtons::Ok);
    Notify();
    return;
  }
  const std::string folder = WithSeparator(shared);
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

// Any order in which equal records stand side by side: the modified check
// then compares two sorted copies in n log n, where matching each record
// among the others took minutes for a large catalogue. A real of -0 sorts
// with 0, which it equals.
bool InRecordOrder(const TWireRecord& a, const TWireRecord& b) {
  auto key = [](const TWireRecord& r) {
    return std::tie(r.WireName, r.WireGroup, r.WireDiameter, r.WireArea, r.WireWeight, r.WireModulus,
                    r.WireExpansion);
  };
  return key(a) < key(b);
}

std::vector<TWireRecord> InRecordOrder(std::vector<TWireRecord> records) {
  std::sort(records.begin(), records.end(),
            [](const TWireRecord& a, const TWireRecord& b) { return InRecordOrder(a, b); });
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
  // Sorting by name is not stable, so records of one name may stand in
  // either order: the order of the records does not count.
  return saved_.size() != list_.Records().size() || InRecordOrder(list_.Records()) != saved_;
}

void TWireCatalog::TakeSaved() { saved_ = InRecordOrder(list_.Records()); }

std::string TWireCatalog::SavePath() const { return list_.FileName().empty() ? dataFile_ : list_.FileName(); }

void TWireCatalog::SaveIfModified() {
  if (!IsModified()) return;
  if (SavePath().empty()) throw OrvError(FileText("Data_folder_unknown"));
  list_.SaveToFile(SavePath());
  TakeSaved();
}

}  // namespace orv::project
