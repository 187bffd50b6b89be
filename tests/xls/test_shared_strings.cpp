#include <string>
#include <vector>

#include "raw_records.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/record_types.h"
#include "xls/internal/shared_strings.h"
#include "xls/internal/unicode_text.h"
#include "xls_test_support.h"

namespace xls {

namespace {

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

// Long texts, narrow and wide, and enough short ones to need several records.
std::vector<std::string> Texts() {
  std::vector<std::string> texts{
      Repeat("abcdefghij", 1000), Repeat("Опора", 2000), Repeat("x", 8215), Repeat("й", 4107), "",
      Repeat("mixed Ж ", 900)};
  for (int i = 0; i < 3000; ++i) texts.push_back("text " + std::to_string(i));
  return texts;
}

TEST(SharedStrings, TextsSplitOverContinueRecordsComeBack) {
  std::vector<std::string> texts = Texts();
  XlsWorkbook book;
  XlsSheet sheet = book.Sheet(0);
  for (std::size_t i = 0; i < texts.size(); ++i)
    sheet.Cell(static_cast<int>(i / 10), static_cast<int>(i % 10)).SetText(texts[i]);
  std::string file = book.SaveBytes();
  XlsWorkbook read;
  read.OpenBytes(file);
  for (std::size_t i = 0; i < texts.size(); ++i)
    ASSERT_EQ(read.Sheet(0).Cell(static_cast<int>(i / 10), static_cast<int>(i % 10)).Text(), texts[i]) << i;

  std::vector<RawRecord> records = SplitRecords(WorkbookStream(file));
  for (const RawRecord& record : records) EXPECT_LE(record.data.size(), 8224u);
  std::size_t sst = 0;
  while (records[sst].type != kSst) ++sst;
  EXPECT_EQ(records[sst + 1].type, kContinue);
  EXPECT_EQ(GetU32(records[sst].data, 0), texts.size()) << "total of references";
}

// Each EXTSST bucket points at the first byte of a string: its length and
// options, which must match the string the table holds at that index.
TEST(SharedStrings, ExtSstPointsAtStringStarts) {
  std::vector<std::string> texts = Texts();
  XlsWorkbook book;
  for (std::size_t i = 0; i < texts.size(); ++i) book.Sheet(0).Cell(static_cast<int>(i), 0).SetText(texts[i]);
  std::string stream = WorkbookStream(book.SaveBytes());
  std::vector<RawRecord> records = SplitRecords(stream);
  RawRecord ext = RecordsOfType(records, kExtSst).at(0);
  std::size_t bucket = GetU16(ext.data, 0);
  EXPECT_GE(bucket, 8u);
  std::size_t buckets = (ext.data.size() - 2) / 8;
  EXPECT_EQ(buckets, (texts.size() + bucket - 1) / bucket);
  for (std::size_t b = 0; b < buckets; ++b) {
    std::size_t position = GetU32(ext.data, 2 + 8 * b);
    std::size_t in_record = GetU16(ext.data, 6 + 8 * b);
    std::u16string expected = Utf8ToUtf16(texts[b * bucket]);
    ASSERT_EQ(GetU16(stream, position), expected.size()) << "bucket " << b;
    const RawRecord* holder = nullptr;
    for (const RawRecord& record : records)
      if (record.offset <= position && position < record.offset + 4 + record.data.size()) holder = &record;
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->type == kSst || holder->type == kContinue);
    EXPECT_EQ(position - holder->offset, in_record);
  }
}

// A string whose characters continue in the next record, where an option
// byte switches them from 8-bit to UTF-16; then a rich string and a string
// with phonetic data, which are kept as read.
TEST(SharedStrings, ParsesWidthChangeRunsAndPhoneticData) {
  std::string first;
  AppendU32(first, 3);
  AppendU32(first, 3);
  AppendU16(first, 4);
  AppendU8(first, 0);
  first += "ab";
  std::string second;
  AppendU8(second, 1);
  AppendU16(second, u'Ж');
  AppendU16(second, u'й');
  AppendU16(second, 2);
  AppendU8(second, 0x08);
  AppendU16(second, 1);
  second += "xy";
  AppendU32(second, 0x00050001);
  AppendU16(second, 1);
  AppendU8(second, 0x04);
  AppendU32(second, 3);
  second += "z";
  second += "PHO";
  SharedStrings strings;
  strings.Parse({first, second});
  ASSERT_EQ(strings.Size(), 3u);
  EXPECT_EQ(strings.At(0).text, u"abЖй");
  EXPECT_EQ(strings.At(1).text, u"xy");
  EXPECT_EQ(strings.At(1).runs.size(), 4u);
  EXPECT_EQ(strings.At(2).phonetic, "PHO");
  EXPECT_EQ(strings.Add(u"abЖй"), 0u) << "a plain text is found again";
  EXPECT_EQ(strings.Add(u"xy"), 3u) << "a rich text is not a plain one";
}

struct BrokenTable {
  const char* what;
  std::vector<std::string> parts;
};

class SharedStringsDamage : public ::testing::TestWithParam<BrokenTable> {};

TEST_P(SharedStringsDamage, IsRefused) {
  std::vector<std::string_view> parts(GetParam().parts.begin(), GetParam().parts.end());
  SharedStrings strings;
  EXPECT_THROW(strings.Parse(parts), Error) << GetParam().what;
}

std::string Header(std::uint32_t unique) {
  std::string data;
  AppendU32(data, unique);
  AppendU32(data, unique);
  return data;
}

INSTANTIATE_TEST_SUITE_P(Damages, SharedStringsDamage,
                         ::testing::Values(BrokenTable{"count far beyond the data",
                                                       {Header(0x7FFFFFFF) + std::string(30, '\0')}},
                                           BrokenTable{"characters cut off",
                                                       {Header(1) + std::string("\x05\x00\x00"
                                                                                "ab",
                                                                                5)}},
                                           BrokenTable{"runs cut off",
                                                       {Header(1) + std::string("\x01\x00\x08\x05\x00"
                                                                                "a",
                                                                                6)}},
                                           BrokenTable{"wide character split",
                                                       {Header(1) + std::string("\x02\x00\x01\x41", 4),
                                                        std::string("\x01\x00", 2)}},
                                           BrokenTable{"header only", {std::string("\x01\x00", 2)}}));

}  // namespace

}  // namespace xls
