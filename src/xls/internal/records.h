#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xls {

// One BIFF record. Its data is immutable and shared, so copies of a sheet
// share every record they do not change.
struct Record {
  std::uint16_t type = 0;
  std::shared_ptr<const std::string> data;

  std::string_view Data() const { return data ? std::string_view(*data) : std::string_view(); }
};

Record MakeRecord(std::uint16_t type, std::string data);

inline constexpr std::size_t kMaxRecordData = 8224;

// Walks the records of a workbook stream from a position; every header and
// size is checked against the stream.
class RecordCursor {
 public:
  RecordCursor(std::string_view stream, std::size_t pos) : stream_(stream), pos_(pos) {}
  bool AtEnd() const { return pos_ >= stream_.size(); }
  std::size_t Pos() const { return pos_; }
  // The next record; throws when the stream ends inside it.
  Record Next();
  // The type of the next record without consuming it; 0 at the end.
  std::uint16_t PeekType() const;

 private:
  std::string_view stream_;
  std::size_t pos_;
};

// Builds a workbook stream; records longer than the BIFF limit continue in
// CONTINUE records when written with AddContinued.
class RecordWriter {
 public:
  std::size_t Pos() const { return out_.size(); }
  void Add(std::uint16_t type, std::string_view data);
  void AddContinued(std::uint16_t type, std::string_view data);
  std::string& Bytes() { return out_; }

 private:
  std::string out_;
};

}  // namespace xls
