#include "xls_test_support.h"

namespace xls {

namespace {

constexpr const char* kOk = "";
constexpr const char* kInvalid = "Invalid or duplicated sheet name.";
constexpr const char* kLength = "Sheet name must have a length 1..255.";

struct NameCase {
  std::string name;
  const char* error;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.name << '"'; }

class SheetNameRules : public ::testing::TestWithParam<NameCase> {};

// The workbook holds "Sheet1", "Опора №1" and "Other" when each name is tried,
// both for a new copy and for a rename of "Other".
TEST_P(SheetNameRules, CopyAndRenameApplyTheSameRules) {
  const NameCase& c = GetParam();
  for (bool copy : {true, false}) {
    XlsWorkbook book;
    book.CopySheet(0, 1, "Опора №1");
    book.CopySheet(0, 2, "Other");
    auto attempt = [&] {
      if (copy)
        book.CopySheet(0, 3, c.name);
      else
        book.RenameSheet(2, c.name);
    };
    if (*c.error) {
      EXPECT_ORV_ERROR(attempt(), c.error);
      EXPECT_EQ(book.SheetCount(), 3);
      EXPECT_EQ(book.Sheet(2).Name(), "Other");
    } else {
      EXPECT_NO_THROW(attempt()) << c.name;
      EXPECT_EQ(book.Sheet(copy ? 3 : 2).Name(), c.name);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, SheetNameRules,
    ::testing::Values(NameCase{"Support №12", kOk}, NameCase{"P_1", kOk}, NameCase{"A", kOk},
                      NameCase{std::string(31, 'x'), kOk}, NameCase{"", kLength},
                      NameCase{std::string(256, 'x'), kLength}, NameCase{std::string(32, 'x'), kInvalid},
                      NameCase{std::string(255, 'x'), kInvalid}, NameCase{"a:b", kInvalid},
                      NameCase{"a\\b", kInvalid}, NameCase{"a/b", kInvalid}, NameCase{"a?b", kInvalid},
                      NameCase{"a*b", kInvalid}, NameCase{"a[b", kInvalid}, NameCase{"a]b", kInvalid},
                      NameCase{"'quoted", kInvalid}, NameCase{"quoted'", kInvalid}, NameCase{"it's", kOk},
                      NameCase{"SHEET1", kInvalid}, NameCase{"sheet1", kInvalid},
                      NameCase{"ОПОРА №1", kInvalid}, NameCase{"опора №1", kInvalid},
                      NameCase{"Опора №2", kOk}, NameCase{"\xC3\x28", kInvalid}));

TEST(SheetNames, CyrillicLengthCountsCharacters) {
  XlsWorkbook book;
  std::string name;
  for (int i = 0; i < 31; ++i) name += "Ж";  // 62 bytes of UTF-8
  EXPECT_NO_THROW(book.RenameSheet(0, name));
  EXPECT_ORV_ERROR(book.RenameSheet(0, name + "Ж"), kInvalid);
}

TEST(SheetNames, RenameToOwnNameInOtherCaseIsAllowed) {
  XlsWorkbook book;
  book.RenameSheet(0, "опора");
  book.RenameSheet(0, "ОПОРА");
  EXPECT_EQ(book.Sheet(0).Name(), "ОПОРА");
  book.CopySheet(0, 1, "Other");
  EXPECT_ORV_ERROR(book.RenameSheet(1, "Опора"), kInvalid);
}

TEST(SheetNames, FreedNameCanBeUsedAgain) {
  XlsWorkbook book;
  book.CopySheet(0, 1, "P_1");
  book.RenameSheet(1, "Support 1");
  EXPECT_NO_THROW(book.CopySheet(0, 2, "P_1"));
  EXPECT_ORV_ERROR(book.CopySheet(0, 3, "support 1"), kInvalid);
}

TEST(SheetNames, NamesSurviveSaving) {
  XlsWorkbook book;
  book.RenameSheet(0, "Опора №1");
  book.CopySheet(0, 1, "Ångström");
  book.CopySheet(0, 2, "漢字");
  XlsWorkbook read = Reopened(book);
  EXPECT_EQ(read.Sheet(0).Name(), "Опора №1");
  EXPECT_EQ(read.Sheet(1).Name(), "Ångström");
  EXPECT_EQ(read.Sheet(2).Name(), "漢字");
  EXPECT_ORV_ERROR(read.RenameSheet(2, "опора №1"), kInvalid);
}

}  // namespace

}  // namespace xls
