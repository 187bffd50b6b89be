#include "xls/internal/book.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/xls_string.h"

namespace xls {

// The smallest workbook every reader accepts: one font set, the fifteen style
// formats and the default cell format Excel expects, one empty sheet.
namespace {

constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kWorkbookKind = 0x0005;
constexpr std::uint16_t kWorksheetKind = 0x0010;

std::string Bof(std::uint16_t kind) {
  std::string data;
  for (std::uint16_t word : {std::uint16_t{0x0600}, kind, std::uint16_t{0x0DBB}, std::uint16_t{0x07CC}})
    AppendU16(data, word);
  AppendU32(data, 0x000080C9);
  AppendU32(data, 0x00000206);
  return data;
}

std::string Words(std::initializer_list<std::uint16_t> words) {
  std::string data;
  for (std::uint16_t word : words) AppendU16(data, word);
  return data;
}

std::string Font() {
  std::string data = Words({200, 0, 0x7FFF, 400, 0});
  data += std::string("\0\0\0\0", 4);
  AppendXlsString(data, u"Arial", true);
  return data;
}

std::string Xf(bool style) {
  std::string data = Words({0, 0, static_cast<std::uint16_t>(style ? 0xFFF5 : 0x0001), 0x0020});
  AppendU8(data, 0);
  AppendU8(data, style ? 0xF4 : 0x00);
  AppendU32(data, 0);
  AppendU32(data, 0);
  AppendU16(data, 0x20C0);
  return data;
}

void AddGlobals(XlsBook& book) {
  auto add = [&](std::uint16_t type, std::string data) {
    book.globals.push_back(MakeRecord(type, std::move(data)));
  };
  add(kBof, Bof(kWorkbookKind));
  add(kCodePage, Words({1200}));
  add(kWindow1, Words({360, 270, 14940, 9150, 0x0038, 0, 0, 1, 600}));
  for (int i = 0; i < 4; ++i) add(kFont, Font());
  for (int i = 0; i < 15; ++i) add(kXf, Xf(true));
  add(kXf, Xf(false));
  add(kStyle, Words({0x8000, 0xFF00}));
  book.globals.push_back(Record{kSheetsPlaceholder, nullptr});
  book.globals.push_back(Record{kSstPlaceholder, nullptr});
}

}  // namespace

std::unique_ptr<XlsSheetData> NewSheet(XlsBook& book) {
  auto sheet = std::make_unique<XlsSheetData>(&book);
  sheet->name = u"Sheet1";
  sheet->bof = MakeRecord(kBof, Bof(kWorksheetKind));
  sheet->head.push_back(MakeRecord(kDefaultRowHeight, Words({0, 0x00FF})));
  sheet->head.push_back(MakeRecord(kDefColWidth, Words({8})));
  sheet->tail.push_back(MakeRecord(kWindow2, Words({0x06B6, 0, 0, 64, 0, 0, 0, 0, 0})));
  return sheet;
}

std::unique_ptr<XlsBook> NewBook() {
  auto book = std::make_unique<XlsBook>();
  AddGlobals(*book);
  book->sheets.push_back(NewSheet(*book));
  book->IndexNames();
  return book;
}

}  // namespace xls
