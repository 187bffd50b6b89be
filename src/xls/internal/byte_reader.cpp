#include "xls/internal/byte_reader.h"

#include <bit>
#include <cstring>

#include "xls/xls_error.h"

namespace xls {

std::string_view ByteReader::Bytes(std::size_t count) {
  if (count > Left()) throw Error(context_ + ": data ends too early");
  std::string_view result = data_.substr(pos_, count);
  pos_ += count;
  return result;
}

std::uint8_t ByteReader::U8() { return static_cast<std::uint8_t>(Bytes(1)[0]); }

std::uint16_t ByteReader::U16() { return GetU16(Bytes(2), 0); }

std::uint32_t ByteReader::U32() { return GetU32(Bytes(4), 0); }

double ByteReader::F64() {
  std::string_view bytes = Bytes(8);
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<std::uint8_t>(bytes[i]);
  return std::bit_cast<double>(bits);
}

std::uint16_t GetU16(std::string_view data, std::size_t pos) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[pos]) |
                                    (static_cast<std::uint8_t>(data[pos + 1]) << 8));
}

std::uint32_t GetU32(std::string_view data, std::size_t pos) {
  return static_cast<std::uint32_t>(GetU16(data, pos)) |
         (static_cast<std::uint32_t>(GetU16(data, pos + 2)) << 16);
}

void PutU16(std::string& data, std::size_t pos, std::uint16_t value) {
  data[pos] = static_cast<char>(value & 0xFF);
  data[pos + 1] = static_cast<char>(value >> 8);
}

void PutU32(std::string& data, std::size_t pos, std::uint32_t value) {
  PutU16(data, pos, static_cast<std::uint16_t>(value & 0xFFFF));
  PutU16(data, pos + 2, static_cast<std::uint16_t>(value >> 16));
}

void AppendU8(std::string& out, std::uint8_t value) { out.push_back(static_cast<char>(value)); }

void AppendU16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void AppendU32(std::string& out, std::uint32_t value) {
  AppendU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
  AppendU16(out, static_cast<std::uint16_t>(value >> 16));
}

void AppendF64(std::string& out, double value) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

}  // namespace xls
