// A catalogue file through its exchange text and back: what the export
// writes, the import reads as the same records (the numbers as their text
// says them), and those store and load again unchanged. An export may refuse
// a record; it may never write one that reads back differently.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/errors.h"
#include "base/number_text.h"
#include "project/catalogue/wire_catalog_record.h"
#include "project/catalogue/wire_catalog_text.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

namespace {

bool SameInText(double first, double second) { return FloatToText(first) == FloatToText(second); }

bool SameRecord(const TWireRecord& a, const TWireRecord& b) {
  return a.WireName == b.WireName && a.WireGroup == b.WireGroup &&
         SameInText(a.WireDiameter, b.WireDiameter) && SameInText(a.WireArea, b.WireArea) &&
         SameInText(a.WireWeight, b.WireWeight) && SameInText(a.WireModulus, b.WireModulus) &&
         SameInText(a.WireExpansion, b.WireExpansion);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<TWireRecord> records;
  std::string text;
  try {
    records = DecodeWireRecords(std::string_view(reinterpret_cast<const char*>(data), size));
    text = WireRecordsToText(records);
  } catch (const OrvError&) {
    return 0;
  }
  std::vector<TWireRecord> imported;
  try {
    imported = WireRecordsFromText(text, "exported.txt");
  } catch (const OrvError&) {
    std::abort();  // the export wrote a file its own import refuses
  }
  if (imported.size() != records.size()) std::abort();
  for (std::size_t i = 0; i < records.size(); ++i)
    if (!SameRecord(imported[i], records[i])) std::abort();
  const std::vector<TWireRecord> stored = DecodeWireRecords(EncodeWireRecords(imported));
  for (std::size_t i = 0; i < stored.size(); ++i)
    if (!stored[i].Equals(imported[i])) std::abort();
  return 0;
}
