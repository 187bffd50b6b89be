#include <algorithm>
#include <cstdint>

#include "xls/internal/book.h"
#include "xls/internal/sheet_writer.h"

namespace xls {

namespace {

// BIFF8 numbers sheets in 16 bits (local names, references), and a compound
// file holds a stream of less than 2 GiB.
constexpr std::size_t kMostSheets = 0xFFFF;
constexpr std::size_t kMostStreamBytes = 0x7FFFFFFF;

// What a copy adds besides its own substream: its sheet entry, tab, local
// names and drawing, and the cells a caller fills in afterwards.
std::size_t CopyBytes(const XlsSheetData& sheet) {
  RecordWriter writer;
  WriteSheet(sheet, writer);
  return writer.Pos() + writer.Pos() / 8 + 4096;
}

}  // namespace

int SheetCopyCapacity(const XlsBook& book, int index) {
  const std::size_t sheets = book.sheets.size();
  const std::size_t now = WriteBook(book).size();
  const std::size_t copies =
      now >= kMostStreamBytes ? 0 : (kMostStreamBytes - now) / CopyBytes(book.SheetAt(index));
  return static_cast<int>(std::min(kMostSheets, sheets + copies));
}

}  // namespace xls
