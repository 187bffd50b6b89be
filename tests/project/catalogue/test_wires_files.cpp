#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

#include "project/catalogue/wire_catalog_record.h"
#include "project/catalogue/wires_list.h"
#include "base/cp1251.h"
#include "base/errors.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "project/test_catalog_support.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace {

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const OrvError& error) {
    return error.what();
  }
  return "no error";
}

class WiresListFiles : public ::testing::Test {
 protected:
  ProjectTempFolder temp;
};

// A last record cut short is left out, and said so with its byte offset.
TEST_F(WiresListFiles, LoadAppendsWholeRecordsAndRemembersThePath) {
  const std::string records = ReadBytes(CatalogTestData("three_wires.dat"));
  const struct {
    std::size_t size;
    int count;
    std::string warning;
  } cases[] = {{0, 0, ""}, {122, 2, ""}, {130, 2, "it starts at byte offset 122"}, {183, 3, ""}};
  RecordingMessages messages;
  SetMessages(&messages);
  for (const auto& c : cases) {
    messages.shown.clear();
    const std::string path = temp.File("c" + std::to_string(c.size) + ".dat");
    std::string bytes = records.substr(0, std::min(c.size, records.size()));
    bytes.resize(c.size, '\x01');
    WriteBytes(path, bytes);
    TWiresList list;
    list.Add(Wire(7, "before"));
    list.LoadFromFile(path);
    EXPECT_EQ(list.Count(), 1 + c.count) << c.size;
    EXPECT_EQ(list.Items(0).WireName, "before");
    EXPECT_EQ(list.FileName(), path);
    ASSERT_EQ(messages.shown.size(), c.warning.empty() ? 0u : 1u) << c.size;
    if (!c.warning.empty()) {
      EXPECT_NE(messages.shown[0].text.find(path + "\" is cut short"), std::string::npos);
      EXPECT_NE(messages.shown[0].text.find(c.warning), std::string::npos);
    }
  }
  ResetPorts();
}

TEST_F(WiresListFiles, LoadOfAMissingFileCreatesItEmpty) {
  const std::string path = temp.File("new.dat");
  TWiresList list;
  list.LoadFromFile(path);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  EXPECT_EQ(list.FileName(), path);
}

TEST_F(WiresListFiles, DamagedFileChangesNothing) {
  const std::string path = temp.File("damaged.dat");
  std::string bytes = ReadBytes(CatalogTestData("three_wires.dat"));
  bytes[kWireRecordSize * 2 + 4] = static_cast<char>(200);
  WriteBytes(path, bytes);
  TWiresList list;
  list.Add(Wire(1, "kept"));
  EXPECT_EQ(ErrorOf([&] { list.LoadFromFile(path); }),
            "The wire catalogue \"" + path + "\" is damaged: record 3: the name length 200 is above 16.");
  EXPECT_EQ(Names(list.Records()), std::vector<std::string>{"kept"});
  EXPECT_EQ(list.FileName(), "");
}

TEST_F(WiresListFiles, SaveWritesTheListInOrderAndLoadsBack) {
  TWiresList list;
  for (const TWireRecord& record : ThreeWires()) list.Add(record);
  const std::string path = temp.File("saved.dat");
  list.SaveToFile(path);
  EXPECT_EQ(list.FileName(), path);
  // The fixture's name bytes beyond the length are not zero; ours are.
  EXPECT_EQ(ReadBytes(path), EncodeWireRecords(ThreeWires()));
  TWiresList loaded;
  loaded.LoadFromFile(path);
  ExpectSameRecords(loaded.Records(), ThreeWires());
}

TEST_F(WiresListFiles, FailedSaveLeavesTheOldFileAndPath) {
  const std::string path = temp.File("catalogue.dat");
  const std::string old = ReadBytes(CatalogTestData("three_wires.dat"));
  WriteBytes(path, old);
  TWiresList list;
  list.LoadFromFile(path);
  list.Add(Wire(1, "Провод №1 ✓"));  // the tick has no Windows-1251 byte
  const std::string message = ErrorOf([&] { list.SaveToFile(temp.File("elsewhere.dat")); });
  EXPECT_NE(message.find("The wire name \"Провод №1 ✓\" cannot be stored"), std::string::npos) << message;
  EXPECT_FALSE(std::filesystem::exists(temp.File("elsewhere.dat")));
  EXPECT_EQ(ErrorOf([&] { list.SaveToFile(path); }), message);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(list.FileName(), path);
}

TEST_F(WiresListFiles, ExportWritesTheExchangeLines) {
  TWiresList list;
  list.Add(Wire(1, "X1", 11.4, 79.3, 0.276, 8250, 0.0000192));
  list.Add(Wire(-3, "АС 70/11", 0.1 + 0.2, 1e15, 0.0001, 0, -2.5e-7));
  const std::string path = temp.File("out.txt");
  list.ExportToText(path);
  EXPECT_EQ(ReadBytes(path), "X1;11.4;79.3;0.276;8250;1.92E-5;1\r\n" + Utf8ToCp1251("АС 70/11") +
                                 ";0.3;1E15;0.0001;0;-2.5E-7;-3\r\n");
}

TEST_F(WiresListFiles, ExportOfTheFixtureGivesTheFixtureText) {
  TWiresList list;
  list.LoadFromFile(CatalogTestData("three_wires.dat"));
  list.ExportToText(temp.File("out.txt"));
  EXPECT_EQ(ReadBytes(temp.File("out.txt")), ReadBytes(CatalogTestData("three_wires.txt")));
}

TEST_F(WiresListFiles, FailedExportLeavesTheOldText) {
  const std::string path = temp.File("out.txt");
  WriteBytes(path, "old\r\n");
  TWiresList list;
  list.Add(Wire(1, "ok"));
  list.Add(Wire(1, "中"));
  EXPECT_NE(ErrorOf([&] { list.ExportToText(path); }).find("cannot be written"), std::string::npos);
  EXPECT_EQ(ReadBytes(path), "old\r\n");
}

TEST_F(WiresListFiles, ExportThenImportKeepsRecordsAndOrder) {
  TWiresList list;
  for (const TWireRecord& record : ThreeWires()) list.Add(record);
  list.Add(Wire(0, "Ёё №", 1.0 / 3, 2.0 / 3, 1e-300, 123456789012345678.0, -0.0));
  list.Add(Wire(12, "x", 1, 2, 3, 4, 5));
  list.ExportToText(temp.File("x.txt"));
  TWiresList imported;
  imported.ImportFromText(temp.File("x.txt"));
  ASSERT_EQ(Names(imported.Records()), Names(list.Records()));
  for (int i = 0; i < list.Count(); ++i) {
    const TWireRecord a = list.Items(i);
    const TWireRecord b = imported.Items(i);
    EXPECT_EQ(a.WireGroup, b.WireGroup);
    for (auto [x, y] : {std::pair{a.WireDiameter, b.WireDiameter},
                        {a.WireArea, b.WireArea},
                        {a.WireWeight, b.WireWeight},
                        {a.WireModulus, b.WireModulus},
                        {a.WireExpansion, b.WireExpansion}})
      EXPECT_NEAR(x, y, std::abs(x) * 1e-14) << a.WireName;
  }
}

struct ImportCase {
  const char* title;
  std::string text;  // the file, UTF-8 here, Windows-1251 on disk
  std::vector<TWireRecord> records;
  std::string error;  // empty when the import succeeds
};

const ImportCase kImports[] = {
    {"six fields give group 7", "X;1;2;3;4;5\r\n", {Wire(7, "X", 1, 2, 3, 4, 5)}, ""},
    {"seventh field is the group", "X;1;2;3;4;5;4\r\n", {Wire(4, "X", 1, 2, 3, 4, 5)}, ""},
    {"empty fields a spreadsheet adds", "X;1;2;3;4;5;;\r\n", {Wire(7, "X", 1, 2, 3, 4, 5)}, ""},
    // A peer's export may carry more: the group stays the seventh field.
    {"eighth field ignored", "X;1;2;3;4;5;2;junk\r\n", {Wire(2, "X", 1, 2, 3, 4, 5)}, ""},
    {"empty group before an eighth field", "X;1;2;3;4;5;;junk\r\n", {},
     "The field is empty (file \"@\", line 1, field 7 (group))"},
    // An empty field would move the values after it one place on.
    {"empty diameter", "AC 9;;173.11;0.599;8250;1.92E-5;1\r\n", {},
     "The field is empty (file \"@\", line 1, field 2 (diameter))"},
    {"empty name", ";1;2;3;4;5;1\r\n", {}, "The field is empty (file \"@\", line 1, field 1 (name))"},
    {"name cut to 16 characters",
     "АБВГДЕЖЗИЙКЛМНОПРС;1;2;3;4;5;1",
     {Wire(1, "АБВГДЕЖЗИЙКЛМНОП", 1, 2, 3, 4, 5)},
     ""},
    {"blanks and exponents",
     "  A b ; 1.5E1 ;2e-3;-0;4;5E-6;3\nB;1;1;1;1;1\r",
     {Wire(3, "  A b ", 15, 0.002, 0, 4, 5e-6), Wire(7, "B", 1, 1, 1, 1, 1)},
     ""},
    {"file order kept",
     "b;1;1;1;1;1\r\na;1;1;1;1;1\r\n",
     {Wire(7, "b", 1, 1, 1, 1, 1), Wire(7, "a", 1, 1, 1, 1, 1)},
     ""},
    {"empty file", "", {}, ""},
    {"decimal comma", "X;11,4;2;3;4;5\r\n", {}, "'11,4' is not a valid floating point value (file \"@\", line 1, field 2 (diameter))"},
    {"group not an integer", "X;1;2;3;4;5;1.5\r\n", {}, "'1.5' is not a valid integer value (file \"@\", line 1, field 7 (group))"},
    {"infinite value", "X;1;2;1e999;4;5\r\n", {}, "'1e999' is not a valid floating point value (file \"@\", line 1, field 4 (weight))"},
    {"five fields",
     "X;1;2;3;4;5\r\nY;1;2;3;4\r\n",
     {},
     "A wire takes at least 6 fields separated by semicolons (name, diameter, area, weight, modulus, expansion, then the group if any), the line has 5 (file \"@\", line 2)"},
    {"empty line",
     "X;1;2;3;4;5\r\n\r\nY;1;2;3;4;5\r\n",
     {},
     "A wire takes at least 6 fields separated by semicolons (name, diameter, area, weight, modulus, expansion, then the group if any), the line has 1 (file \"@\", line 2)"},
    {"name with the unassigned byte", "X\u0098;1;2;3;4;5\r\n", {Wire(7, "X\u0098", 1, 2, 3, 4, 5)}, ""},
    {"name with a separator", "A;B;1;2;3;4;5\r\n", {}, "'B' is not a valid floating point value (file \"@\", line 1, field 2 (diameter))"},
};

TEST_F(WiresListFiles, ImportReadsEveryLineOrFailsWithoutAChange) {
  const std::vector<TWireRecord> before = {Wire(1, "kept 1"), Wire(2, "kept 2")};
  for (const ImportCase& c : kImports) {
    SCOPED_TRACE(c.title);
    const std::string path = temp.File("in.txt");
    WriteBytes(path, Utf8ToCp1251(c.text));
    TWiresList list;
    for (const TWireRecord& record : before) list.Add(record);
    std::string expectedError = c.error;
    if (const auto at = expectedError.find('@'); at != std::string::npos) expectedError.replace(at, 1, path);
    const std::string error = ErrorOf([&] { list.ImportFromText(path); });
    if (c.error.empty()) {
      EXPECT_EQ(error, "no error");
      ExpectSameRecords(list.Records(), c.records);
    } else {
      EXPECT_EQ(error, expectedError);
      ExpectSameRecords(list.Records(), before);
    }
  }
}

TEST_F(WiresListFiles, ImportOfAMissingFileChangesNothing) {
  TWiresList list;
  list.Add(Wire(1, "kept"));
  const std::string path = temp.File("none.txt");
  EXPECT_EQ(ErrorOf([&] { list.ImportFromText(path); }), "File not found (file \"" + path + "\")");
  EXPECT_EQ(list.Count(), 1);
}

}  // namespace
