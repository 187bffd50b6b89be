#include "raw_records.h"

#include <stdexcept>

#include "xls/internal/byte_reader.h"
#include "xls/internal/compound_file.h"

namespace xls {

std::string WorkbookStream(const std::string& file) {
  for (CompoundStream& stream : ReadCompoundFile(file))
    if (stream.name == "Workbook") return stream.data;
  throw std::runtime_error("no workbook stream");
}

std::vector<RawRecord> SplitRecords(const std::string& stream) {
  std::vector<RawRecord> records;
  for (std::size_t pos = 0; pos + 4 <= stream.size();) {
    RawRecord record{GetU16(stream, pos), stream.substr(pos + 4, GetU16(stream, pos + 2)), pos};
    pos += 4 + record.data.size();
    records.push_back(std::move(record));
  }
  return records;
}

std::string JoinRecords(const std::vector<RawRecord>& records) {
  std::string stream;
  for (const RawRecord& record : records) {
    AppendU16(stream, record.type);
    AppendU16(stream, static_cast<std::uint16_t>(record.data.size()));
    stream += record.data;
  }
  return stream;
}

std::string WorkbookFile(const std::string& stream) { return WriteCompoundFile({{"Workbook", stream}}); }

std::vector<RawRecord> RecordsOfType(const std::vector<RawRecord>& records, std::uint16_t type) {
  std::vector<RawRecord> found;
  for (const RawRecord& record : records)
    if (record.type == type) found.push_back(record);
  return found;
}

}  // namespace xls
