#include <fstream>
#include <functional>

#include "raw_records.h"
#include "xls/internal/byte_reader.h"
#include "xls/internal/compound_file.h"
#include "xls/internal/record_types.h"
#include "xls_test_support.h"

namespace xls {

namespace {

constexpr std::uint16_t kXf = 0x00E0;

// A saved workbook whose first sheet has a number, a text and a picture-less
// drawing-free layout, as records to damage.
std::vector<RawRecord> SampleRecords() {
  XlsWorkbook book;
  book.Sheet(0).Cell(1, 1).SetNumber(2.5);
  book.Sheet(0).Cell(2, 1).SetText("text");
  return SplitRecords(WorkbookStream(book.SaveBytes()));
}

RawRecord& First(std::vector<RawRecord>& records, std::uint16_t type) {
  for (RawRecord& record : records)
    if (record.type == type) return record;
  throw std::runtime_error("record missing");
}

struct Damage {
  const char* what;
  std::function<void(std::vector<RawRecord>&)> apply;
  std::string message;
};

void PrintTo(const Damage& damage, std::ostream* os) { *os << damage.what; }

class WorkbookDamage : public ::testing::TestWithParam<Damage> {};

// Damage of the same size keeps every offset right, so only the damage speaks.
TEST_P(WorkbookDamage, IsReportedWithWhatIsWrong) {
  std::vector<RawRecord> records = SampleRecords();
  GetParam().apply(records);
  XlsWorkbook book;
  EXPECT_ORV_ERROR(book.OpenBytes(WorkbookFile(JoinRecords(records))), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, WorkbookDamage,
    ::testing::Values(
        Damage{"sheet offset beyond the stream",
               [](auto& r) { PutU32(First(r, kBoundSheet).data, 0, 0x00FFFFFF); },
               "Invalid workbook: sheet 'Sheet1' does not start where the workbook says"},
        Damage{"sheet offset into the globals", [](auto& r) { PutU32(First(r, kBoundSheet).data, 0, 4); },
               "Invalid workbook: sheet 'Sheet1' does not start where the workbook says"},
        Damage{"string index out of range", [](auto& r) { PutU32(First(r, kLabelSst).data, 6, 7); },
               "Invalid workbook: sheet 'Sheet1': string index 7 is out of range"},
        Damage{"column out of range", [](auto& r) { PutU16(First(r, kLabelSst).data, 2, 300); },
               "Invalid workbook: sheet 'Sheet1': column 300 is out of range"},
        Damage{"encrypted", [](auto& r) { First(r, kCodePage).type = kFilePass; },
               "Invalid workbook: the workbook is encrypted"},
        Damage{"older format", [](auto& r) { PutU16(r[0].data, 0, 0x0500); },
               "Stream not found: Workbook. File format is not Excel 97 or higher."},
        Damage{"globals without end", [](auto& r) { r.erase(r.begin() + 1, r.end()); },
               "Invalid workbook: the workbook globals have no end"},
        Damage{"no sheets", [](auto& r) { First(r, kBoundSheet).type = 0x0999; },
               "Invalid workbook: the workbook has no sheets"},
        Damage{"sheet without end", [](auto& r) { r.back().type = 0x0999; },
               "Invalid workbook: sheet 'Sheet1' has no end"},
        Damage{"short row record", [](auto& r) { First(r, kRow).data.resize(8); },
               "Invalid workbook: sheet 'Sheet1' ROW: data ends too early"},
        Damage{"string count beyond the table", [](auto& r) { PutU32(First(r, kSst).data, 4, 0x10000000); },
               "Invalid workbook: shared strings count is larger than the table"},
        Damage{"stream not starting with BOF", [](auto& r) { r[0].type = 0x0999; },
               "Invalid workbook: the workbook stream does not start with BOF"},
        // Indexes into the workbook's own tables: a reader that trusts them fails on the report.
        Damage{
            "cell style beyond the table", [](auto& r) { PutU16(First(r, kLabelSst).data, 4, 203); },
            "Invalid workbook: sheet 'Sheet1': cell record at row 3, column 2 names cell style 203, but the "
            "workbook has 16"},
        Damage{"font beyond the table", [](auto& r) { PutU16(First(r, kXf).data, 0, 40); },
               "Invalid workbook: cell style (XF record) 0 names font 40, but the workbook has 4"},
        Damage{
            "undefined number format", [](auto& r) { PutU16(First(r, kXf).data, 2, 200); },
            "Invalid workbook: cell style (XF record) 0 names number format 200, which the workbook does not "
            "define"},
        Damage{"fewer styles than every workbook has", [](auto& r) { First(r, kXf).type = 0x0999; },
               "Invalid workbook: the workbook has 15 cell styles (XF records), fewer than 16"}));

TEST(MalformedFiles, CutStreamIsReportedWithTheOffset) {
  std::vector<RawRecord> records = SampleRecords();
  std::string stream = JoinRecords(records);
  std::size_t window = First(records, kWindow2).offset;
  XlsWorkbook book;
  EXPECT_ORV_ERROR(
      book.OpenBytes(WorkbookFile(stream.substr(0, window + 10))),
      "Invalid workbook: record at offset " + std::to_string(window) + " runs past the end of the stream");
  EXPECT_ORV_ERROR(book.OpenBytes(WorkbookFile(stream.substr(0, stream.size() - 2))),
                   "Invalid workbook: record header cut off at offset " + std::to_string(stream.size() - 4));
}

TEST(MalformedFiles, FileWithoutWorkbookStream) {
  XlsWorkbook book;
  std::string stream = JoinRecords(SampleRecords());
  EXPECT_ORV_ERROR(book.OpenBytes(WriteCompoundFile({{"Book", stream}})),
                   "Stream not found: Workbook. File format is not Excel 97 or higher.");
  EXPECT_ORV_ERROR(book.OpenBytes("plain text, not a workbook at all"),
                   "Invalid compound file: not a compound document");
  EXPECT_EQ(book.SheetCount(), 1) << "a failed open changes nothing";
}

// A nameless extra stream cannot be written back; it is left out rather than
// making the workbook impossible to save.
TEST(MalformedFiles, NamelessStreamIsDropped) {
  std::string file =
      WriteCompoundFile({{"Workbook", JoinRecords(SampleRecords())}, {"X", std::string(10, 'x')}});
  for (std::size_t entry = 512 * 2; entry < 512 * 3; entry += 128)
    if (GetU16(file, entry) == 'X') PutU16(file, entry + 64, 0);
  XlsWorkbook book;
  book.OpenBytes(file);
  XlsWorkbook again;
  EXPECT_NO_THROW(again.OpenBytes(book.SaveBytes()));
}

class ByteDamage : public ::testing::TestWithParam<std::string> {};

// Every byte of a real file overwritten in turn: opening either works or
// throws the library's error, and what opens also saves and opens again.
TEST_P(ByteDamage, NeverCrashesAndSavedResultOpens) {
  std::ifstream in(XlsData(GetParam()), std::ios::binary);
  std::string original((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int opened = 0;
  for (std::size_t at = 0; at < original.size(); at += 5) {
    for (unsigned char value : {0x00, 0xFF}) {
      std::string damaged = original;
      damaged[at] = static_cast<char>(value);
      XlsWorkbook book;
      try {
        book.OpenBytes(damaged);
      } catch (const Error&) {
        continue;
      }
      ++opened;
      XlsWorkbook again;
      ASSERT_NO_THROW(again.OpenBytes(book.SaveBytes())) << "byte " << at << " = " << int(value);
    }
  }
  EXPECT_GT(opened, 0);
}

INSTANTIATE_TEST_SUITE_P(Writers, ByteDamage,
                         ::testing::Values("libreoffice_template.xls", "gnumeric_template.xls",
                                           "xlwt_template.xls"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('_')); });

}  // namespace

}  // namespace xls
