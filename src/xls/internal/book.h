#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "xls/internal/compound_file.h"
#include "xls/internal/drawing_group.h"
#include "xls/internal/records.h"
#include "xls/internal/shared_strings.h"
#include "xls/internal/sheet_data.h"

namespace xls {

// The whole workbook: the globals kept as read (with placeholders where the
// library writes its own records), the shared strings, the drawing group,
// the sheets and the other streams of the compound file.
class XlsBook {
 public:
  std::vector<Record> globals;  // EOF excluded
  SharedStrings strings;
  DrawingGroup drawings;
  std::vector<std::unique_ptr<XlsSheetData>> sheets;
  std::vector<CompoundStream> other_streams;

  XlsSheetData& SheetAt(int index) const;
  // Checks a sheet name against the rules and the other sheets (`except` may
  // keep its own name in another case); returns it in UTF-16.
  std::u16string CheckName(std::string_view name, const XlsSheetData* except) const;
  void Insert(std::unique_ptr<XlsSheetData> sheet, int position);
  void Rename(XlsSheetData& sheet, std::u16string name);
  void IndexNames();

 private:
  void ShiftSheetReferences(int position);
  std::unordered_map<std::u16string, int> names_;  // upper-case name -> sheets using it
};

std::unique_ptr<XlsBook> ReadBook(std::string_view file);
std::unique_ptr<XlsBook> NewBook();
// An empty sheet named "Sheet1" for `book`, selected, not yet inserted.
std::unique_ptr<XlsSheetData> NewSheet(XlsBook& book);
std::string WriteBook(const XlsBook& book);
// How many sheets the book could hold were every new one a copy of sheet
// `index`: the sheets there are and the copies that still fit.
int SheetCopyCapacity(const XlsBook& book, int index);
// XF records of the workbook: the cell format indexes are 0..count-1.
int CountCellFormats(const XlsBook& book);

}  // namespace xls
