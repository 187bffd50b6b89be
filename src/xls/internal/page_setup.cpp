#include <algorithm>

#include "xls/internal/book.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/workbook.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr std::uint16_t kWsBool = 0x0081;
constexpr std::uint16_t kSetup = 0x00A1;
constexpr std::uint16_t kFitToPage = 0x0100;
constexpr std::uint16_t kDefaultWsBool = 0x04C1;
constexpr std::uint16_t kPortrait = 0x0002;
constexpr std::uint16_t kNoPrinterData = 0x0004;  // paper, scale and orientation unset
constexpr std::size_t kSetupSize = 34;
constexpr std::uint16_t kA4 = 9;
constexpr double kHeaderMargin = 0.5;  // inches

std::string DefaultSetup() {
  std::string data;
  for (std::uint16_t word : {kA4, std::uint16_t{100}, std::uint16_t{1}, std::uint16_t{1}, std::uint16_t{1},
                             std::uint16_t{0}, std::uint16_t{600}, std::uint16_t{600}})
    AppendU16(data, word);
  AppendF64(data, kHeaderMargin);
  AppendF64(data, kHeaderMargin);
  AppendU16(data, 1);  // copies
  return data;
}

std::string Setup(const Record* old, const XlsPageSetup& setup) {
  std::string data = old && old->Data().size() >= kSetupSize ? std::string(old->Data()) : DefaultSetup();
  if (GetU16(data, 10) & kNoPrinterData) data = DefaultSetup();
  PutU16(data, 6, static_cast<std::uint16_t>(setup.fit_wide));
  PutU16(data, 8, static_cast<std::uint16_t>(setup.fit_tall));
  std::uint16_t flags = GetU16(data, 10) & ~kPortrait;
  PutU16(data, 10, setup.landscape ? flags : flags | kPortrait);
  return data;
}

Record* Find(XlsSheetData& sheet, std::uint16_t type) {
  for (auto* records : {&sheet.head, &sheet.middle, &sheet.tail})
    for (Record& record : *records)
      if (record.type == type) return &record;
  return nullptr;
}

// A missing record goes before the column widths, where the page settings belong.
void Put(XlsSheetData& sheet, std::uint16_t type, std::string data) {
  if (Record* old = Find(sheet, type)) {
    *old = MakeRecord(type, std::move(data));
    return;
  }
  auto at = std::find_if(sheet.head.begin(), sheet.head.end(),
                         [](const Record& r) { return r.type == kDefColWidth; });
  sheet.head.insert(at, MakeRecord(type, std::move(data)));
}

}  // namespace

void XlsSheet::SetPageSetup(const XlsPageSetup& setup) {
  if (setup.fit_wide < 0 || setup.fit_tall < 0 || setup.fit_wide > 0x7FFF || setup.fit_tall > 0x7FFF)
    throw Error("Page count out of range");
  const bool fit = setup.fit_wide > 0 || setup.fit_tall > 0;
  const Record* wsbool = Find(*sheet_, kWsBool);
  std::uint16_t flags = wsbool && wsbool->Data().size() >= 2 ? GetU16(wsbool->Data(), 0) : kDefaultWsBool;
  std::string data;
  AppendU16(data, fit ? flags | kFitToPage : flags & ~kFitToPage);
  Put(*sheet_, kWsBool, std::move(data));
  Put(*sheet_, kSetup, Setup(Find(*sheet_, kSetup), setup));
}

}  // namespace xls
