// Opens arbitrary bytes as a workbook and, when that succeeds, touches every
// sheet, saves it and opens the result: nothing may crash, hang or allocate
// without bound, and a saved workbook always opens again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/errors.h"
#include "xls/workbook.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  XlsWorkbook book;
  try {
    book.OpenBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const OrvError&) {
    return 0;
  }
  try {
    for (int i = 0; i < book.SheetCount(); ++i) {
      XlsSheet sheet = book.Sheet(i);
      sheet.MergedRanges();
      sheet.ShapeCount();
      XlsCell cell = sheet.Cell(1, 1);
      cell.Text();
      cell.Number();
      cell.SetNumber(1.5);
    }
    if (book.SheetCount() < 4) book.CopySheet(0, book.SheetCount(), "Fuzz copy");
  } catch (const OrvError&) {
  }
  // What the library writes it must read again.
  XlsWorkbook again;
  try {
    again.OpenBytes(book.SaveBytes());
  } catch (const OrvError&) {
    __builtin_trap();
  }
  return 0;
}
