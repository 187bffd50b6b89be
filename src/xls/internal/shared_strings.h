#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "xls/internal/records.h"

namespace xls {

// The workbook's shared string table (SST). Entries keep their formatting
// runs and phonetic data as read, so a file's rich texts survive a save.
class SharedStrings {
 public:
  struct Entry {
    std::u16string text;
    std::string runs;      // 4 bytes per formatting run
    std::string phonetic;  // extended (phonetic) data
  };

  // `parts` are the data of the SST record and of the CONTINUE records after it.
  void Parse(const std::vector<std::string_view>& parts);
  // Index of a plain text, added when it is not in the table yet.
  std::uint32_t Add(std::u16string_view text);
  std::size_t Size() const { return entries_.size(); }
  const Entry& At(std::size_t index) const { return entries_[index]; }

  // Appends SST, its CONTINUE records and EXTSST at the writer's position,
  // which is the position in the workbook stream (the globals come first).
  void Write(RecordWriter& writer, std::uint32_t references) const;

 private:
  std::vector<Entry> entries_;
  std::unordered_map<std::u16string, std::uint32_t> plain_;
};

}  // namespace xls
