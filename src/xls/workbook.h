#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xls/xls_error.h"

namespace xls {

// The .xls (BIFF8 in a compound document) workbook. Texts are UTF-8 in this
// interface. Every failure throws xls::Error (xls_error.h) with the text the
// user sees.
//
// XlsSheet and XlsCell are small handles. A sheet handle stays valid while its
// workbook lives and the workbook is not opened again, whatever sheets are
// inserted before it; a cell handle is its sheet plus an address.

class XlsSheetData;
class XlsBook;

enum class XlsCellKind { Empty, Number, Text, Boolean, Error, Formula };

struct XlsRange {
  int first_row = 0;
  int last_row = 0;
  int first_column = 0;
  int last_column = 0;
  bool operator==(const XlsRange&) const = default;
};

class XlsCell {
 public:
  XlsCell(XlsSheetData* sheet, int row, int column) : sheet_(sheet), row_(row), column_(column) {}

  // Each setter keeps the format of an existing cell; a new cell takes the
  // format of its row or column, else the default one. A value written over a
  // formula replaces it (other cells sharing that formula keep theirs).
  // SetNumber refuses NaN and infinities; SetText takes at most 32,767
  // characters.
  void SetNumber(double value);
  void SetInteger(std::int32_t value);
  void SetText(std::string_view utf8);

  XlsCellKind Kind() const;
  // The number of a numeric cell, the cached result of a numeric formula, 1/0
  // of a boolean; 0 otherwise.
  double Number() const;
  // The text of a text cell (or a formula's cached text); "" otherwise.
  std::string Text() const;
  // Index of the cell's format record (XF); 15 (the default) for a new cell.
  int FormatIndex() const;
  // An index from XlsWorkbook::NumberFormatIndex (or any XF of the workbook);
  // the value stays as it is. Creates an empty cell when there is none.
  void SetFormatIndex(int xf);

  int Row() const { return row_; }
  int Column() const { return column_; }

 private:
  XlsSheetData* sheet_;
  int row_;
  int column_;
};

// Printing: fit_wide / fit_tall pages (0: as many as needed); both 0 prints
// at full size.
struct XlsPageSetup {
  bool landscape = false;
  int fit_wide = 0;
  int fit_tall = 0;
};

class XlsSheet {
 public:
  explicit XlsSheet(XlsSheetData* sheet) : sheet_(sheet) {}

  std::string Name() const;

  // Column 0..255; width in characters of the default font (stored in 1/256).
  void SetColumnWidth(int column, double characters);
  double ColumnWidth(int column) const;
  // Row 0..65535; height in points (stored in twips).
  void SetRowHeight(int row, double points);
  double RowHeight(int row) const;

  // Row 0..65535, column 0..255; anything else throws.
  XlsCell Cell(int row, int column);

  // Keeps the sheet's paper size and margins when it has them (A4 otherwise).
  void SetPageSetup(const XlsPageSetup& setup);

  std::vector<XlsRange> MergedRanges() const;
  // Shapes (pictures, text boxes...) of the sheet's drawing, the group shape
  // not counted.
  int ShapeCount() const;

 private:
  XlsSheetData* sheet_;
};

// What a sheet's drawing looks like from outside; for checks of copies.
struct XlsDrawingInfo {
  int drawing_id = 0;                    // 0: the sheet has no drawing
  std::vector<std::uint32_t> shape_ids;  // including the group shape
};

class XlsWorkbook {
 public:
  // A new workbook with one empty sheet "Sheet1".
  XlsWorkbook();
  ~XlsWorkbook();
  XlsWorkbook(XlsWorkbook&&) noexcept;
  XlsWorkbook& operator=(XlsWorkbook&&) noexcept;

  // Replace the contents with a file's; on failure nothing changes.
  // "Can not open a file (probably it is already opened or does not exist)"
  // when the file cannot be read; "Stream not found: Workbook. File format is
  // not Excel 97 or higher." when the compound file has no workbook stream.
  void Open(const std::string& path);
  void OpenBytes(std::string_view bytes);

  // Atomic: a temporary file beside the target replaces it when complete.
  // "Can not create a file "x": <reason>" when that fails (the reason in
  // words: "No space left on device"); an existing file stays as it was.
  void Save(const std::string& path) const;
  std::string SaveBytes() const;

  int SheetCount() const;
  // Index from 0; out of range throws "Sheet index out of range: N".
  XlsSheet Sheet(int index);

  // Inserts a full copy of sheet `source` at `position` (0..SheetCount()),
  // named `name`; the sheets from `position` on move one place back. The copy
  // has the source's cells, formats, column widths, row heights, merged
  // ranges, page setup, print area and pictures (its own drawing, the picture
  // data shared); it is not selected along with the source.
  void CopySheet(int source, int position, std::string_view name);
  // Inserts an empty sheet named `name` at `position` (0..SheetCount()), not
  // selected; its cells take the workbook's default format.
  void InsertSheet(int position, std::string_view name);
  // How many sheets the workbook can hold, counting those it has, when every
  // new one is a copy of sheet `source`: at most 65,535 (BIFF8 numbers sheets
  // in 16 bits), and fewer when the copies would not fit in the 2 GiB of a
  // workbook stream. An estimate on the safe side, made without copying.
  int CopyCapacity(int source) const;
  // The cell format (XF index) of the default cell format with the number
  // format `format` ("General", "0.0"...) and, if asked, wrapped text; made
  // once, then reused.
  int NumberFormatIndex(std::string_view format, bool wrap_text = false);
  // Names: 1..255 characters ("Sheet name must have a length 1..255."), and
  // as Excel demands at most 31, none of : \ / ? * [ ], no apostrophe at
  // either end, unique regardless of case ("Invalid or duplicated sheet name.").
  void RenameSheet(int index, std::string_view name);

  // Checks: drawing ids and shape ids of a sheet, and the reference counts of
  // the pictures in the workbook's picture store (in store order).
  XlsDrawingInfo DrawingInfo(int index) const;
  std::vector<std::uint32_t> PictureReferenceCounts() const;

 private:
  std::unique_ptr<XlsBook> book_;
};

}  // namespace xls
