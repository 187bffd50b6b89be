#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xls {

// The records of a saved workbook's stream, for checks of what the library
// writes and for building damaged files.
struct RawRecord {
  std::uint16_t type = 0;
  std::string data;
  std::size_t offset = 0;  // of the header in the stream
};

std::string WorkbookStream(const std::string& file);
std::vector<RawRecord> SplitRecords(const std::string& stream);
std::string JoinRecords(const std::vector<RawRecord>& records);
// A compound file holding `stream` as its workbook stream.
std::string WorkbookFile(const std::string& stream);
std::vector<RawRecord> RecordsOfType(const std::vector<RawRecord>& records, std::uint16_t type);

}  // namespace xls
