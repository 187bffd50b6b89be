#include "xls/internal/style_tables.h"

#include <set>
#include <string>

#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

// Cell style 15 is the default of every new cell; 0 to 14 are the styles
// below it that every workbook holds.
constexpr std::size_t kFewestStyles = 16;

[[noreturn]] void Fail(const std::string& what) { throw Error("Invalid workbook: " + what); }

std::string OutOf(const char* table, std::size_t index, std::size_t count) {
  return "names " + std::string(table) + " " + std::to_string(index) + ", but the workbook has " +
         std::to_string(count);
}

struct Tables {
  std::size_t fonts = 0;
  std::set<std::uint16_t> formats;
  std::size_t styles = 0;
};

Tables CountTables(const std::vector<Record>& globals) {
  Tables tables;
  for (const Record& record : globals) {
    if (record.type == kFont) ++tables.fonts;
    if (record.type == kXf) ++tables.styles;
    if (record.type == kFormat && record.Data().size() >= 2) tables.formats.insert(GetU16(record.Data(), 0));
  }
  return tables;
}

// Font 4 does not exist: the numbers skip it, so FONT record 4 is font 5.
bool FontExists(std::size_t font, std::size_t fonts) {
  return font < 4 ? font < fonts : font != 4 && font <= fonts;
}

void CheckStyle(const Record& record, std::size_t number, const Tables& tables) {
  const std::string what = "cell style (XF record) " + std::to_string(number) + " ";
  if (record.Data().size() < 6) Fail(what + "is too short");
  const std::uint16_t font = GetU16(record.Data(), 0);
  const std::uint16_t format = GetU16(record.Data(), 2);
  const std::uint16_t kind = GetU16(record.Data(), 4);
  if (!FontExists(font, tables.fonts)) Fail(what + OutOf("font", font, tables.fonts));
  if (format >= kFirstUserFormat && !tables.formats.count(format))
    Fail(what + "names number format " + std::to_string(format) + ", which the workbook does not define");
  const bool isCellStyle = (kind & 0x0004) == 0;
  if (isCellStyle && (kind >> 4) >= tables.styles)
    Fail(what + OutOf("parent style", kind >> 4, tables.styles));
}

}  // namespace

std::size_t CheckStyleTables(const std::vector<Record>& globals) {
  const Tables tables = CountTables(globals);
  if (tables.styles < kFewestStyles)
    Fail("the workbook has " + std::to_string(tables.styles) + " cell styles (XF records), fewer than " +
         std::to_string(kFewestStyles));
  std::size_t number = 0;
  for (const Record& record : globals) {
    if (record.type == kXf) CheckStyle(record, number++, tables);
    if (record.type == kStyle && record.Data().size() >= 2 &&
        (GetU16(record.Data(), 0) & 0x0FFF) >= tables.styles)
      Fail("a STYLE record " + OutOf("cell style", GetU16(record.Data(), 0) & 0x0FFF, tables.styles));
  }
  return tables.styles;
}

}  // namespace xls
