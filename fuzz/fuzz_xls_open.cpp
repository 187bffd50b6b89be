// Opens arbitrary bytes as a workbook and, when that succeeds, touches every
// sheet, saves it and opens the result: nothing may crash, hang or allocate
// without bound, and a saved workbook always opens again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "xls/workbook.h"
#include "xls/xls_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  xls::XlsWorkbook book;
  try {
    book.OpenBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const xls::Error&) {
    return 0;
  }
  try {
    for (int i = 0; i < book.SheetCount(); ++i) {
      xls::XlsSheet sheet = book.Sheet(i);
      sheet.MergedRanges();
      sheet.ShapeCount();
      xls::XlsCell cell = sheet.Cell(1, 1);
      cell.Text();
      cell.Number();
      cell.SetNumber(1.5);
    }
    if (book.SheetCount() < 4) book.CopySheet(0, book.SheetCount(), "Fuzz copy");
  } catch (const xls::Error&) {
  }
  // What the library writes it must read again.
  xls::XlsWorkbook again;
  try {
    again.OpenBytes(book.SaveBytes());
  } catch (const xls::Error&) {
    __builtin_trap();
  }
  return 0;
}
