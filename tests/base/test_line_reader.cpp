#include "base/line_reader.h"

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "temp_folder.h"

using namespace orv::base;

namespace {

std::vector<std::string> AllLines(const std::string& bytes) {
  TextLineReader reader(bytes);
  std::vector<std::string> lines;
  while (!reader.AtEnd()) lines.push_back(reader.ReadTextLine());
  return lines;
}

TEST(TextLineReader, LinesEndAtCrLfLoneCrOrLoneLf) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\rc", {"a", "b", "c"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"", {}},
      {"\xC0\xD1 70/11\r\n", {"\xC0\xD1 70/11"}},
      {std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}},
  };
  for (const auto& [bytes, lines] : cases) EXPECT_EQ(AllLines(bytes), lines) << "bytes: " << bytes;
}

TEST(TextLineReader, ReadsPastTheEndGiveEmptyTextsAndFailOnlyAsNumbers) {
  TextLineReader reader("12,5\r\n");
  EXPECT_DOUBLE_EQ(reader.ReadFloatLine(), 12.5);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(reader.ReadTextLine(), "");
  EXPECT_EQ(reader.ReadNumberText(), "");
  EXPECT_EQ(reader.LineNumber(), 3);
  EXPECT_THROW(reader.ReadIntLine(), OrvError);
}

TEST(TextLineReader, NumberLines) {
  TextLineReader reader("12,5\r\n 8.43 \r\n15\r\n-3\r\n1E3\r\n");
  EXPECT_DOUBLE_EQ(ReadFloatLine(reader), 12.5);
  EXPECT_DOUBLE_EQ(ReadFloatLine(reader), 8.43);
  EXPECT_EQ(ReadIntLine(reader), 15);
  EXPECT_EQ(ReadIntLine(reader), -3);
  EXPECT_DOUBLE_EQ(ReadFloatLine(reader), 1000.0);
}

struct BadNumber {
  std::string line;
  bool asInteger;
  std::string message;
};

TEST(TextLineReader, BadNumbersNameTheTextAsConverted) {
  const BadNumber cases[] = {
      {"1,234,5", false, "'1.234.5' is not a valid floating point value"},
      {"15.0", true, "'15.0' is not a valid integer value"},
      {"15,0", true, "'15,0' is not a valid integer value"},
      {"", false, "'' is not a valid floating point value"},
      {"\xC0\xD1", false, "'АС' is not a valid floating point value"},
      {"\xC0\xD1", true, "'АС' is not a valid integer value"},
      {" 1,5\xC0", false, "' 1.5А' is not a valid floating point value"},
  };
  for (const BadNumber& c : cases) {
    TextLineReader reader(c.line + "\r\n");
    try {
      if (c.asInteger) {
        reader.ReadIntLine();
      } else {
        reader.ReadFloatLine();
      }
      ADD_FAILURE() << "accepted: " << c.line;
    } catch (const OrvError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
    EXPECT_EQ(reader.LineNumber(), 1);
  }
}

TEST(TextLineReader, FromFileReadsTheBytesOrReportsTheFileError) {
  TempFolder folder;
  WriteFileAtomically(folder.File("p.orv"), "1\r\n2\r\n");
  TextLineReader reader = TextLineReader::FromFile(folder.File("p.orv"));
  EXPECT_EQ(reader.ReadIntLine() + reader.ReadIntLine(), 3);
  try {
    TextLineReader::FromFile(folder.File("missing.orv"));
    ADD_FAILURE();
  } catch (const OrvError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
}

}  // namespace
