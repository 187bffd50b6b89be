// The catalogue's exchange text import: any bytes either give records or
// raise OrvError, and what imports exports and imports again unchanged in
// count, names and groups.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/errors.h"
#include "project/catalogue/wire_catalog_text.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<TWireRecord> records;
  try {
    records = WireRecordsFromText(bytes, "fuzz.txt");
  } catch (const OrvError&) {
    return 0;
  }
  std::string text;
  try {
    text = WireRecordsToText(records);
  } catch (const OrvError&) {
    return 0;  // refused: a number whose text would not read back
  }
  const std::vector<TWireRecord> again = WireRecordsFromText(text, "again.txt");
  if (again.size() != records.size()) std::abort();
  for (std::size_t i = 0; i < again.size(); ++i)
    if (again[i].WireName != records[i].WireName || again[i].WireGroup != records[i].WireGroup) std::abort();
  return 0;
}
