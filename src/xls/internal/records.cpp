#include "xls/internal/records.h"

#include <algorithm>

#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/xls_error.h"

namespace xls {

Record MakeRecord(std::uint16_t type, std::string data) {
  return Record{type, std::make_shared<const std::string>(std::move(data))};
}

Record RecordCursor::Next() {
  if (stream_.size() - pos_ < 4)
    throw Error("Invalid workbook: record header cut off at offset " + std::to_string(pos_));
  std::uint16_t type = GetU16(stream_, pos_);
  std::uint16_t size = GetU16(stream_, pos_ + 2);
  if (stream_.size() - pos_ - 4 < size)
    throw Error("Invalid workbook: record at offset " + std::to_string(pos_) +
                " runs past the end of the stream");
  Record record = MakeRecord(type, std::string(stream_.substr(pos_ + 4, size)));
  pos_ += 4 + std::size_t{size};
  return record;
}

std::uint16_t RecordCursor::PeekType() const {
  if (stream_.size() - pos_ < 4) return 0;
  return GetU16(stream_, pos_);
}

void RecordWriter::Add(std::uint16_t type, std::string_view data) {
  if (data.size() > kMaxRecordData) {
    AddContinued(type, data);
    return;
  }
  AppendU16(out_, type);
  AppendU16(out_, static_cast<std::uint16_t>(data.size()));
  out_.append(data);
}

void RecordWriter::AddContinued(std::uint16_t type, std::string_view data) {
  std::size_t first = std::min(data.size(), kMaxRecordData);
  AppendU16(out_, type);
  AppendU16(out_, static_cast<std::uint16_t>(first));
  out_.append(data.substr(0, first));
  for (std::size_t at = first; at < data.size(); at += kMaxRecordData) {
    std::size_t size = std::min(data.size() - at, kMaxRecordData);
    AppendU16(out_, kContinue);
    AppendU16(out_, static_cast<std::uint16_t>(size));
    out_.append(data.substr(at, size));
  }
}

}  // namespace xls
