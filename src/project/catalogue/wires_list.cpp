#include "project/catalogue/wires_list.h"

#include "base/atomic_file.h"
#include "base/errors.h"
#include "project/catalogue/catalog_paths.h"
#include "project/file/file_size_limits.h"
#include "project/file/project_error_location.h"
#include "project/catalogue/wire_catalog_groups.h"
#include "project/catalogue/wire_catalog_record.h"
#include "project/catalogue/wire_catalog_sort.h"
#include "project/catalogue/wire_catalog_text.h"
#include "settings/ports/ports.h"
#include "settings/texts/file_texts.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

int TWiresList::Add(const TWireRecord& record) {
  records_.push_back(record);
  return Count() - 1;
}

int TWiresList::Count() const { return static_cast<int>(records_.size()); }

void TWiresList::Clear() { records_.clear(); }

void TWiresList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw OrvError("List index out of bounds (" + std::to_string(index) + ")");
}

TWireRecord TWiresList::Items(int index) const {
  CheckIndex(index);
  return records_[static_cast<std::size_t>(index)];
}

TWireRecord& TWiresList::Item(int index) {
  CheckIndex(index);
  return records_[static_cast<std::size_t>(index)];
}

void TWiresList::Delete(int index) {
  CheckIndex(index);
  records_.erase(records_.begin() + index);
}

// UTF-8 and Windows-1251 map one to one, so equal UTF-8 bytes are equal file
// bytes.
int TWiresList::IndexOf(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (records_[static_cast<std::size_t>(i)].WireName == name) return i;
  return -1;
}

TWireRecord TWiresList::FindByName(const std::string& name) const {
  const int index = IndexOf(name);
  if (index < 0) return TWireRecord();
  return records_[static_cast<std::size_t>(index)];
}

int TWiresList::CountInGroup(int group) const {
  int count = 0;
  for (const TWireRecord& record : records_)
    if (record.WireGroup == group) ++count;
  return count;
}

void TWiresList::SortBy(int key) { SortWireRecords(records_, key); }

void TWiresList::LoadFromFile(const std::string& path) {
  if (!CatalogFileExists(path)) {
    WriteFileAtomically(path, std::string());
    fileName_ = path;
    return;
  }
  const std::string bytes = ReadWholeFileNamingIt(path, kCatalogueFileLimit);
  std::vector<TWireRecord> loaded;
  try {
    loaded = DecodeWireRecords(bytes);
  } catch (const OrvError& error) {
    throw OrvError("The wire catalogue \"" + path + "\" is damaged: " + error.what() + ".");
  }
  records_.insert(records_.end(), loaded.begin(), loaded.end());
  fileName_ = path;
  // The records before it are whole; the user learns that one is missing.
  if (bytes.size() % kWireRecordSize != 0)
    GetMessages().Show(MessageKind::Warning,
                       FileText("Catalogue_cut_short", path, std::to_string(loaded.size() * kWireRecordSize)),
                       MessageButtons::Ok);
}

void TWiresList::SaveToFile(const std::string& path) {
  WriteFileAtomically(path, EncodeWireRecords(records_));
  fileName_ = path;
}

void TWiresList::ExportToText(const std::string& path) const {
  WriteFileAtomically(path, WireRecordsToText(records_));
}

void TWiresList::ImportFromText(const std::string& path) {
  records_ = WireRecordsFromText(ReadWholeFileNamingIt(path, kExchangeTextLimit), path);
}

std::string TWiresList::GroupName(int index) { return WireGroupName(index); }

}  // namespace orv::project
