#include "project/catalogue/wire_catalog_record.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "base/cp1251.h"
#include "base/errors.h"
#include "base/text_excerpt.h"

using namespace orv::base;
using namespace orv::calc;

namespace orv::project {

namespace {

constexpr std::size_t kGroupOffset = 0;
constexpr std::size_t kNameOffset = 4;
constexpr std::size_t kRealsOffset = 21;
constexpr std::size_t kRealCount = std::size(kWireRealFields);

const char* const kRealNames[kRealCount] = {"diameter", "area", "weight", "modulus of elasticity",
                                            "expansion coefficient"};

// Little-endian whatever the host, so a file moves between machines unchanged.
void PutUint(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint64_t GetUint(std::string_view bytes, std::size_t offset, int count) {
  uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

std::string StoredName(const std::string& name) {
  std::string bytes;
  try {
    bytes = Utf8ToCp1251(name);
  } catch (const OrvError& error) {
    throw OrvError("The wire name \"" + TextExcerpt(name) + "\" cannot be stored: " + error.what());
  }
  if (bytes.size() > kWireNameBytes)
    throw OrvError("The wire name \"" + TextExcerpt(name) + "\" is longer than 16 characters.");
  return bytes;
}

}  // namespace

std::string EncodeWireRecord(const TWireRecord& record) {
  const std::string name = StoredName(record.WireName);
  std::string out;
  out.reserve(kWireRecordSize);
  PutUint(out, static_cast<uint32_t>(record.WireGroup), 4);
  out.push_back(static_cast<char>(name.size()));
  out += name;
  out.append(kWireNameBytes - name.size(), '\0');
  for (std::size_t i = 0; i < kRealCount; ++i) {
    const double value = record.*kWireRealFields[i];
    if (!std::isfinite(value))
      throw OrvError("The " + std::string(kRealNames[i]) + " of the wire \"" + TextExcerpt(record.WireName) +
                     "\" is not a finite number.");
    PutUint(out, std::bit_cast<uint64_t>(value), 8);
  }
  return out;
}

std::string EncodeWireRecords(const std::vector<TWireRecord>& records) {
  std::string out;
  out.reserve(records.size() * kWireRecordSize);
  for (const TWireRecord& record : records) out += EncodeWireRecord(record);
  return out;
}

TWireRecord DecodeWireRecord(std::string_view bytes) {
  if (bytes.size() < kWireRecordSize) throw OrvError("The wire record is incomplete.");
  TWireRecord record;
  record.WireGroup = static_cast<int32_t>(static_cast<uint32_t>(GetUint(bytes, kGroupOffset, 4)));
  const std::size_t length = static_cast<unsigned char>(bytes[kNameOffset]);
  if (length > kWireNameBytes) throw OrvError("the name length " + std::to_string(length) + " is above 16");
  record.WireName = Cp1251ToUtf8(bytes.substr(kNameOffset + 1, length));
  for (std::size_t i = 0; i < kRealCount; ++i) {
    const double value = std::bit_cast<double>(GetUint(bytes, kRealsOffset + 8 * i, 8));
    if (!std::isfinite(value))
      throw OrvError("the " + std::string(kRealNames[i]) + " is not a finite number");
    record.*kWireRealFields[i] = value;
  }
  return record;
}

std::vector<TWireRecord> DecodeWireRecords(std::string_view bytes) {
  std::vector<TWireRecord> records;
  const std::size_t count = bytes.size() / kWireRecordSize;
  records.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    try {
      records.push_back(DecodeWireRecord(bytes.substr(i * kWireRecordSize, kWireRecordSize)));
    } catch (const OrvError& error) {
      throw OrvError("record " + std::to_string(i + 1) + ": " + error.what());
    }
  }
  return records;
}

}  // namespace orv::project
