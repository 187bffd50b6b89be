#pragma once

#include <string>
#include <vector>

#include "calc/wire_record.h"

namespace orv::project {

// The wire catalogue: an ordered list of wire records, indexed from 0, and the
// path of the file it was last loaded from or saved to. Names need not be
// unique; lookups take the first match in the current order.
class TWiresList {
 public:
  // Appends a copy; returns its index.
  int Add(const calc::TWireRecord& record);
  int Count() const;
  void Clear();
  // A copy of the record at 0 <= index < Count(); throws OrvError otherwise.
  calc::TWireRecord Items(int index) const;
  // The stored record itself, for the catalogue window's edit in place.
  calc::TWireRecord& Item(int index);
  void Delete(int index);

  // First record whose name equals `name` byte for byte, or -1.
  int IndexOf(const std::string& name) const;
  // A copy of the first record named `name`; a record with an empty name when
  // there is none.
  calc::TWireRecord FindByName(const std::string& name) const;
  int CountInGroup(int group) const;
  // Keys 1 to 6: name, diameter, area, weight, modulus, expansion; others
  // change nothing.
  void SortBy(int key);

  // Appends the records of the file; a missing file is created empty. Both
  // remember `path`. A damaged file changes nothing and throws. A last
  // record cut short is left out with a warning naming its byte offset.
  void LoadFromFile(const std::string& path);
  // Replaces the file only once it is completely written; remembers `path`.
  void SaveToFile(const std::string& path);
  void ExportToText(const std::string& path) const;
  // Replaces the records by those of the file, in file order. A failed
  // import leaves the list as it was.
  void ImportFromText(const std::string& path);

  // The group list's text for 0 to 7 in the current language, else empty.
  static std::string GroupName(int index);

  const std::string& FileName() const { return fileName_; }
  const std::vector<calc::TWireRecord>& Records() const { return records_; }

 private:
  void CheckIndex(int index) const;

  std::vector<calc::TWireRecord> records_;
  std::string fileName_;
};

}  // namespace orv::project
