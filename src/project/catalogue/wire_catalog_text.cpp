#include "project/catalogue/wire_catalog_text.h"

#include <algorithm>

#include "base/cp1251.h"
#include "base/errors.h"
#include "base/line_reader.h"
#include "base/number_text.h"
#include "base/text_excerpt.h"
#include "base/text_utils.h"
#include "project/file/project_error_location.h"
#include "project/catalogue/wire_catalog_groups.h"
#include "project/catalogue/wire_catalog_record.h"
#include "settings/texts/file_texts.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace orv::project {

namespace {

constexpr std::size_t kRequiredParts = 6;

std::string WireLine(const TWireRecord& record) {
  std::string line;
  try {
    line = Utf8ToCp1251(record.WireName);
  } catch (const OrvError& error) {
    throw OrvError("The wire name \"" + TextExcerpt(record.WireName) +
                   "\" cannot be written: " + error.what());
  }
  for (double value :
       {record.WireDiameter, record.WireArea, record.WireWeight, record.WireModulus, record.WireExpansion})
    line += ';' + FloatToText(value);
  line += ';' + IntToText(record.WireGroup);
  line += "\r\n";
  return line;
}

TWireRecord WireFromParts(const std::vector<std::string>& parts) {
  TWireRecord record;
  record.WireGroup = kWireGroupOthers;
  // The file holds one byte per character, so 16 bytes are 16 characters.
  record.WireName = Cp1251ToUtf8(parts[0].substr(0, kWireNameBytes));
  record.WireDiameter = TextToFloat(parts[1]);
  record.WireArea = TextToFloat(parts[2]);
  record.WireWeight = TextToFloat(parts[3]);
  record.WireModulus = TextToFloat(parts[4]);
  record.WireExpansion = TextToFloat(parts[5]);
  if (parts.size() > kRequiredParts) record.WireGroup = TextToInt(parts[6]);
  return record;
}

constexpr const char* kFieldNames[kRequiredParts + 1] = {
    "name", "diameter", "area", "weight", "modulus of elasticity", "expansion coefficient", "group"};

// Every ";" separates: an empty field is an error, never skipped, so no value
// moves into its neighbour's place. Empty fields after the sixth, as a
// spreadsheet may add, are dropped. Fields after the seventh, the group, are
// ignored: a peer's export may add one.
std::vector<std::string> ExchangeFields(const std::string& line) {
  std::vector<std::string> fields = SplitFields(line, ';');
  while (fields.size() > kRequiredParts && fields.back().empty()) fields.pop_back();
  return fields;
}

class ExchangeLine {
 public:
  ExchangeLine(const std::string& fileName, int line) : fileName_(fileName), line_(line) {}

  TWireRecord Read(const std::string& text) const {
    const std::vector<std::string> fields = ExchangeFields(text);
    if (fields.size() < kRequiredParts)
      throw OrvError(WithErrorLocation(FileText("Exchange_field_count", std::to_string(fields.size())),
                                       fileName_, line_));
    // The group counts when there is one; fields after it are ignored.
    for (std::size_t i = 0; i < std::min(fields.size(), kRequiredParts + 1); ++i) {
      if (fields[i].empty()) Fail(FileText("Field_empty"), i);
    }
    try {
      return WireFromParts(fields);
    } catch (const OrvError& error) {
      Fail(error.what(), FailedField(fields));
    }
  }

 private:
  [[noreturn]] void Fail(const std::string& message, std::size_t field) const {
    throw OrvError(WithErrorLocation(message, fileName_, line_,
                                     std::to_string(field + 1) + " (" + kFieldNames[field] + ")"));
  }

  // The first field that does not convert: the one WireFromParts stopped at.
  static std::size_t FailedField(const std::vector<std::string>& fields) {
    for (std::size_t i = 1; i < kRequiredParts; ++i) {
      try {
        TextToFloat(fields[i]);
      } catch (const OrvError&) {
        return i;
      }
    }
    return kRequiredParts;
  }

  const std::string& fileName_;
  int line_;
};

bool SameInText(double first, double second) { return FloatToText(first) == FloatToText(second); }

// What the text means is what counts: numbers as their text says them.
bool ReadsBackAs(const std::string& line, const TWireRecord& record) {
  const std::string noFile;
  try {
    const TWireRecord back = ExchangeLine(noFile, 0).Read(line.substr(0, line.size() - 2));
    return back.WireName == record.WireName && back.WireGroup == record.WireGroup &&
           SameInText(back.WireDiameter, record.WireDiameter) && SameInText(back.WireArea, record.WireArea) &&
           SameInText(back.WireWeight, record.WireWeight) &&
           SameInText(back.WireModulus, record.WireModulus) &&
           SameInText(back.WireExpansion, record.WireExpansion);
  } catch (const OrvError&) {
    return false;
  }
}

[[noreturn]] void RefuseRecord(std::size_t index, const TWireRecord& record, const std::string& why) {
  throw OrvError("Record " + std::to_string(index + 1) + " \"" + TextExcerpt(record.WireName) +
                 "\" cannot be exported: " + why);
}

}  // namespace

bool FitsExchangeText(const std::string& wireName) {
  return wireName.find_first_of(";\r\n") == std::string::npos;
}

std::string WireRecordsToText(const std::vector<TWireRecord>& records) {
  std::string text;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TWireRecord& record = records[i];
    if (!FitsExchangeText(record.WireName)) RefuseRecord(i, record, "its name holds \";\" or a line break.");
    const std::string line = WireLine(record);
    if (!ReadsBackAs(line, record))
      RefuseRecord(i, record, "the exchange text would read it back differently.");
    text += line;
  }
  return text;
}

std::vector<TWireRecord> WireRecordsFromText(const std::string& bytes, const std::string& fileName) {
  TextLineReader reader(bytes);
  std::vector<TWireRecord> records;
  while (!reader.AtEnd()) {
    const std::string line = reader.ReadTextLine();
    records.push_back(ExchangeLine(fileName, reader.LineNumber()).Read(line));
  }
  return records;
}

}  // namespace orv::project
