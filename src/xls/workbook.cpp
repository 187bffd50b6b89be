#include "xls/workbook.h"

#include "xls/internal/book.h"
#include "xls/internal/file_io.h"
#include "xls/internal/local_names.h"
#include "xls/internal/sheet_drawing.h"
#include "xls/internal/unicode_text.h"
#include "xls/xls_error.h"

namespace xls {

XlsWorkbook::XlsWorkbook() : book_(NewBook()) {}
XlsWorkbook::~XlsWorkbook() = default;
XlsWorkbook::XlsWorkbook(XlsWorkbook&&) noexcept = default;
XlsWorkbook& XlsWorkbook::operator=(XlsWorkbook&&) noexcept = default;

void XlsWorkbook::Open(const std::string& path) { book_ = ReadBook(ReadWorkbookFile(path)); }

void XlsWorkbook::OpenBytes(std::string_view bytes) { book_ = ReadBook(bytes); }

void XlsWorkbook::Save(const std::string& path) const { ReplaceWorkbookFile(path, WriteBook(*book_)); }

std::string XlsWorkbook::SaveBytes() const { return WriteBook(*book_); }

int XlsWorkbook::CopyCapacity(int source) const { return SheetCopyCapacity(*book_, source); }

int XlsWorkbook::SheetCount() const { return static_cast<int>(book_->sheets.size()); }

XlsSheet XlsWorkbook::Sheet(int index) { return XlsSheet(&book_->SheetAt(index)); }

void XlsWorkbook::CopySheet(int source, int position, std::string_view name) {
  const XlsSheetData& original = book_->SheetAt(source);
  if (position < 0 || position > SheetCount())
    throw Error("Sheet position out of range: " + std::to_string(position));
  std::u16string checked = book_->CheckName(name, nullptr);
  auto copy = std::make_unique<XlsSheetData>(original);
  copy->name = std::move(checked);
  ClearSelection(copy->tail);
  RenumberCopiedDrawing(copy->tail, book_->drawings);
  book_->Insert(std::move(copy), position);
  CopyLocalNames(book_->globals, source >= position ? source + 1 : source, position);
}

void XlsWorkbook::InsertSheet(int position, std::string_view name) {
  if (position < 0 || position > SheetCount())
    throw Error("Sheet position out of range: " + std::to_string(position));
  std::u16string checked = book_->CheckName(name, nullptr);
  std::unique_ptr<XlsSheetData> sheet = NewSheet(*book_);
  sheet->name = std::move(checked);
  ClearSelection(sheet->tail);
  book_->Insert(std::move(sheet), position);
}

void XlsWorkbook::RenameSheet(int index, std::string_view name) {
  XlsSheetData& sheet = book_->SheetAt(index);
  book_->Rename(sheet, book_->CheckName(name, &sheet));
}

XlsDrawingInfo XlsWorkbook::DrawingInfo(int index) const {
  return DescribeDrawing(book_->SheetAt(index).tail);
}

std::vector<std::uint32_t> XlsWorkbook::PictureReferenceCounts() const {
  return book_->drawings.ReferenceCounts();
}

}  // namespace xls
