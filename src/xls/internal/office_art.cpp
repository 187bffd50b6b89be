#include "xls/internal/office_art.h"

#include <string>

#include "xls/internal/byte_reader.h"
#include "xls/xls_error.h"

namespace xls {

namespace {

constexpr std::size_t kMaxDepth = 32;
constexpr std::uint16_t kPictureProperty = 0x0104;
constexpr std::uint16_t kFillPictureProperty = 0x0186;

[[noreturn]] void Fail(const std::string& what) { throw Error("Invalid workbook: drawing " + what); }

ArtRecord ReadHeader(std::string_view data, std::size_t pos, std::size_t end) {
  if (end - pos < 8) Fail("record header cut off at offset " + std::to_string(pos));
  ArtRecord record;
  record.offset = pos;
  std::uint16_t word = GetU16(data, pos);
  record.version = word & 0x000F;
  record.instance = word >> 4;
  record.type = GetU16(data, pos + 2);
  record.length = GetU32(data, pos + 4);
  if (record.length > end - pos - 8)
    Fail("record at offset " + std::to_string(pos) + " is longer than its container");
  return record;
}

}  // namespace

std::vector<ArtRecord> ListArtRecords(std::string_view data) {
  std::vector<ArtRecord> records;
  std::vector<std::size_t> ends{data.size()};
  std::size_t pos = 0;
  while (pos < data.size()) {
    while (pos == ends.back()) ends.pop_back();
    ArtRecord record = ReadHeader(data, pos, ends.back());
    records.push_back(record);
    if (record.version == 0x0F) {
      if (ends.size() > kMaxDepth) Fail("nested too deeply");
      ends.push_back(pos + 8 + record.length);
      pos += 8;
    } else {
      pos += 8 + std::size_t{record.length};
    }
  }
  return records;
}

std::vector<std::uint32_t> PictureReferences(std::string_view data, const ArtRecord& options) {
  std::vector<std::uint32_t> references;
  std::size_t count = options.instance;
  if (count * 6 > options.length) Fail("option record lists more properties than it holds");
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t at = options.Body() + 6 * i;
    std::uint16_t id = GetU16(data, at);
    std::uint32_t value = GetU32(data, at + 2);
    // Some writers leave the BLIP-id flag off the picture properties themselves.
    std::uint16_t property = id & 0x3FFF;
    bool picture_property = property == kPictureProperty || property == kFillPictureProperty;
    bool blip = (id & 0x8000) == 0 && ((id & 0x4000) != 0 || picture_property);
    if (blip && value > 0) references.push_back(value);
  }
  return references;
}

std::vector<ArtRecord> ArtChildren(std::string_view data, const ArtRecord& container) {
  std::vector<ArtRecord> children;
  std::size_t end = container.Body() + container.length;
  for (std::size_t pos = container.Body(); pos < end;) {
    ArtRecord child = ReadHeader(data, pos, end);
    children.push_back(child);
    pos += 8 + std::size_t{child.length};
  }
  return children;
}

}  // namespace xls
