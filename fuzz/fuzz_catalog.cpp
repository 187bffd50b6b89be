// The catalogue file reader: any bytes either decode or raise OrvError, and
// what decodes encodes back to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "project/catalogue/wire_catalog_record.h"
#include "project/catalogue/wire_catalog_sort.h"
#include "base/errors.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<TWireRecord> records;
  try {
    records = DecodeWireRecords(bytes);
  } catch (const OrvError&) {
    return 0;
  }
  if (records.size() != size / kWireRecordSize) std::abort();
  SortWireRecords(records, kSortByName);
  std::string encoded;
  try {
    encoded = EncodeWireRecords(records);
  } catch (const OrvError&) {
    return 0;  // a name with the unassigned byte 0x98 cannot be stored again
  }
  const std::vector<TWireRecord> again = DecodeWireRecords(encoded);
  if (again.size() != records.size()) std::abort();
  for (std::size_t i = 0; i < again.size(); ++i)
    if (!again[i].Equals(records[i])) std::abort();
  return 0;
}
