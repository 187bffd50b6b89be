#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "xls/xls_error.h"

namespace xls {

// Bounds-checked little-endian reading of bytes that come from a file. Every
// read past the end throws Error naming `context`, so a short or damaged
// record never reads outside its buffer.
class ByteReader {
 public:
  ByteReader(std::string_view data, std::string context) : data_(data), context_(std::move(context)) {}

  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  double F64();
  std::string_view Bytes(std::size_t count);
  void Skip(std::size_t count) { Bytes(count); }

  std::size_t Pos() const { return pos_; }
  std::size_t Left() const { return data_.size() - pos_; }
  std::string_view Rest() const { return data_.substr(pos_); }
  const std::string& Context() const { return context_; }

 private:
  std::string_view data_;
  std::string context_;
  std::size_t pos_ = 0;
};

std::uint16_t GetU16(std::string_view data, std::size_t pos);
std::uint32_t GetU32(std::string_view data, std::size_t pos);
void PutU16(std::string& data, std::size_t pos, std::uint16_t value);
void PutU32(std::string& data, std::size_t pos, std::uint32_t value);
void AppendU8(std::string& out, std::uint8_t value);
void AppendU16(std::string& out, std::uint16_t value);
void AppendU32(std::string& out, std::uint32_t value);
void AppendF64(std::string& out, double value);

}  // namespace xls
