#include "xls/internal/book.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/sheet_writer.h"
#include "xls/internal/xls_string.h"

namespace xls {

namespace {

std::string SheetEntry(const XlsSheetData& sheet) {
  std::string data;
  AppendU32(data, 0);  // the sheet's offset, known once the globals are written
  AppendU8(data, sheet.visibility);
  AppendU8(data, sheet.kind);
  AppendXlsString(data, sheet.name, true);
  return data;
}

std::string TabIds(std::size_t count) {
  std::string data;
  for (std::size_t i = 1; i <= count; ++i) AppendU16(data, static_cast<std::uint16_t>(i));
  return data;
}

}  // namespace

std::string WriteBook(const XlsBook& book) {
  std::uint32_t references = 0;
  for (const auto& sheet : book.sheets) references += CountStringCells(*sheet);
  RecordWriter writer;
  std::vector<std::size_t> offset_fields;
  for (const Record& record : book.globals) {
    switch (record.type) {
      case kSheetsPlaceholder:
        for (const auto& sheet : book.sheets) {
          offset_fields.push_back(writer.Pos() + 4);
          writer.Add(kBoundSheet, SheetEntry(*sheet));
        }
        break;
      case kSstPlaceholder:
        book.strings.Write(writer, references);
        break;
      case kDrawingGroupPlaceholder:
        writer.AddContinued(kMsoDrawingGroup, book.drawings.Serialize());
        break;
      case kTabId:
        writer.Add(kTabId, TabIds(book.sheets.size()));
        break;
      default:
        writer.Add(record.type, record.Data());
    }
  }
  writer.Add(kEof, {});
  for (std::size_t i = 0; i < book.sheets.size(); ++i) {
    PutU32(writer.Bytes(), offset_fields[i], static_cast<std::uint32_t>(writer.Pos()));
    WriteSheet(*book.sheets[i], writer);
  }
  std::vector<CompoundStream> streams{{"Workbook", std::move(writer.Bytes())}};
  streams.insert(streams.end(), book.other_streams.begin(), book.other_streams.end());
  return WriteCompoundFile(streams);
}

}  // namespace xls
