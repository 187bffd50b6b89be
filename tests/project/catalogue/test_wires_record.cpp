#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "project/catalogue/wire_catalog_record.h"
#include "base/errors.h"
#include "project/test_catalog_support.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

namespace {

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

struct LayoutCase {
  TWireRecord record;
  const char* hex;  // the 61 bytes as the file holds them
};

// Written out by hand from the file layout: group, length byte, 16 name
// bytes zero-filled, five little-endian doubles.
const LayoutCase kLayouts[] = {
    {Wire(1, "X1", 11.4, 79.3, 0.276, 8250, 1.92e-5),
     "01000000"
     "02"
     "5831"
     "0000000000000000000000000000"
     "cdcccccccccc2640"
     "3333333333d35340"
     "448b6ce7fba9d13f"
     "00000000001dc040"
     "76830df4f521f43e"},
    {Wire(-2, "АС 70/11"),
     "feffffff"
     "08"
     "c0d12037302f3131"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"},
    {Wire(7, "", -1.5),
     "07000000"
     "00"
     "00000000000000000000000000000000"
     "000000000000f8bf"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"},
    {Wire(2, "ABCDEFGHIJKLMNOP"),
     "02000000"
     "10"
     "4142434445464748494a4b4c4d4e4f50"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"
     "0000000000000000"},
};

TEST(WireRecordFile, EncodesTheDocumentedLayout) {
  for (const LayoutCase& c : kLayouts) {
    SCOPED_TRACE(c.record.WireName);
    const std::string bytes = EncodeWireRecord(c.record);
    EXPECT_EQ(bytes.size(), kWireRecordSize);
    EXPECT_EQ(Hex(bytes), c.hex);
  }
}

TEST(WireRecordFile, DecodesWhatItEncodes) {
  for (const LayoutCase& c : kLayouts) {
    SCOPED_TRACE(c.record.WireName);
    EXPECT_TRUE(DecodeWireRecord(EncodeWireRecord(c.record)).Equals(c.record));
  }
}

// The fixture was written by an independent script and fills the name bytes
// beyond the length with 0xAA, which must be ignored.
TEST(WireRecordFile, ReadsAFileWrittenElsewhere) {
  ExpectSameRecords(DecodeWireRecords(ReadBytes(CatalogTestData("three_wires.dat"))), ThreeWires());
}

TEST(WireRecordFile, CountsOnlyWholeRecords) {
  const std::string record = EncodeWireRecord(Wire(1, "A"));
  const struct {
    std::size_t size;
    std::size_t records;
  } cases[] = {{0, 0}, {60, 0}, {61, 1}, {122, 2}, {130, 2}, {183, 3}};
  std::string file;
  while (file.size() < 200) file += record;
  for (const auto& c : cases)
    EXPECT_EQ(DecodeWireRecords(std::string_view(file).substr(0, c.size)).size(), c.records)
        << c.size << " bytes";
}

TEST(WireRecordFile, RefusesRecordsItCannotStore) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    TWireRecord record;
    const char* message;
  } cases[] = {
      {Wire(1, "中 70"), "The wire name \"中 70\" cannot be stored"},
      {Wire(1, "ABCDEFGHIJKLMNOPQ"), "is longer than 16 characters"},
      {Wire(1, "X", nan), "The diameter of the wire \"X\" is not a finite number."},
      {Wire(1, "X", 1, 1, 1, 1, inf), "The expansion coefficient of the wire \"X\""},
  };
  for (const auto& c : cases) {
    try {
      EncodeWireRecord(c.record);
      ADD_FAILURE() << c.record.WireName << " was stored";
    } catch (const OrvError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

TEST(WireRecordFile, DamagedRecordIsNamedByNumber) {
  std::string good = EncodeWireRecord(Wire(1, "A"));
  std::string longName = good;
  longName[4] = 17;
  std::string notANumber = good;
  for (int i = 0; i < 8; ++i) notANumber[29 + i] = static_cast<char>(0xFF);  // area: a NaN
  const struct {
    std::string file;
    const char* message;
  } cases[] = {
      {good + longName, "record 2: the name length 17 is above 16"},
      {notANumber + good, "record 1: the area is not a finite number"},
  };
  for (const auto& c : cases) {
    try {
      DecodeWireRecords(c.file);
      ADD_FAILURE() << c.message;
    } catch (const OrvError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
}

}  // namespace
