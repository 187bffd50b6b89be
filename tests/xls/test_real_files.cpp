#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "raw_records.h"
#include "xls/internal/compound_file.h"
#include "xls/internal/record_types.h"
#include "xls_test_support.h"

namespace xls {

namespace {

struct RealFile {
  std::string name;
  std::string support_label;
  double column_b_width;  // characters
  int shapes;
};

void PrintTo(const RealFile& file, std::ostream* os) { *os << file.name; }

class RealFiles : public ::testing::TestWithParam<RealFile> {};

TEST_P(RealFiles, OpenWithTheirContents) {
  XlsWorkbook book = OpenData(GetParam().name);
  ASSERT_EQ(book.SheetCount(), 2);
  EXPECT_EQ(book.Sheet(0).Name(), "Template");
  EXPECT_EQ(book.Sheet(1).Name(), "Notes");
  XlsSheet sheet = book.Sheet(0);
  EXPECT_EQ(sheet.Cell(0, 1).Text(), "Balancing load of a support");
  for (int row = 3; row < 12; ++row) {
    EXPECT_EQ(sheet.Cell(row, 1).Text(), "Label " + std::to_string(row));
    EXPECT_EQ(sheet.Cell(row, 4).Number(), row * 1.5);
    EXPECT_NE(sheet.Cell(row, 1).FormatIndex(), 15) << "bordered labels";
  }
  EXPECT_EQ(sheet.Cell(12, 1).Text(), GetParam().support_label);
  EXPECT_EQ(sheet.MergedRanges(), (std::vector<XlsRange>{{0, 0, 1, 5}}));
  EXPECT_NEAR(sheet.ColumnWidth(1), GetParam().column_b_width, 0.01);
  EXPECT_EQ(sheet.ShapeCount(), GetParam().shapes);
  EXPECT_EQ(book.Sheet(1).Cell(0, 0).Text(), "second sheet");
}

// Saving without changes keeps every record the library does not write
// itself, and every other stream of the file, byte for byte.
TEST_P(RealFiles, UnchangedRoundTripKeepsWhatItDoesNotModel) {
  std::ifstream in(XlsData(GetParam().name), std::ios::binary);
  std::string original((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  XlsWorkbook book;
  book.OpenBytes(original);
  std::string saved = book.SaveBytes();
  const std::set<std::uint16_t> written = {
      kBof,        kEof,   kIndex,  kDbCell,   kDimensions,      kRow,   kColInfo,
      kBoundSheet, kSst,   kExtSst, kContinue, kMsoDrawingGroup, kBlank, kMulBlank,
      kRk,         kMulRk, kNumber, kLabelSst, kLabel,           kTabId, 0x0000};
  auto kept = [&](const std::string& file) {
    std::multiset<std::string> records;
    for (const RawRecord& record : SplitRecords(WorkbookStream(file)))
      if (!written.count(record.type)) records.insert(std::to_string(record.type) + ":" + record.data);
    return records;
  };
  EXPECT_EQ(kept(saved), kept(original));
  std::map<std::string, std::string> before, after;
  for (CompoundStream& stream : ReadCompoundFile(original)) before[stream.name] = stream.data;
  for (CompoundStream& stream : ReadCompoundFile(saved)) after[stream.name] = stream.data;
  before.erase("Workbook");
  after.erase("Workbook");
  EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Writers, RealFiles,
                         ::testing::Values(RealFile{"libreoffice_template.xls", "Опора №1", 20.41, 1},
                                           RealFile{"gnumeric_template.xls", "Опора №1", 20.41, 1},
                                           RealFile{"xlwt_template.xls", "Опора", 24, 0}));

// Runs `command` in the folder and checks that it succeeds printing `expected`.
void ExpectOutput(const TempFolder& folder, const std::string& command, const std::string& expected) {
  std::string line = "cd " + folder.Path().string() + " && (" + command + ") > out.txt 2>&1";
  int status = std::system(line.c_str());
  std::ifstream out(folder.File("out.txt"));
  std::string output((std::istreambuf_iterator<char>(out)), std::istreambuf_iterator<char>());
  EXPECT_EQ(status, 0) << output;
  EXPECT_EQ(output, expected);
}

bool HaveXlrd() { return std::system("/usr/bin/python3 -c 'import xlrd' > /dev/null 2>&1") == 0; }

// An independent reader sees what the report writes: names, values, texts,
// formats, merged ranges, widths and heights of every copy.
TEST(IndependentReader, XlrdReadsAWrittenReport) {
  if (!HaveXlrd()) GTEST_SKIP() << "python3-xlrd is not installed";
  TempFolder folder;
  XlsWorkbook book = OpenData("libreoffice_template.xls");
  book.Sheet(0).SetColumnWidth(1, 24);
  book.Sheet(0).SetRowHeight(14, 24.75);
  for (int k = 1; k < 3; ++k) book.CopySheet(0, k, "P_" + std::to_string(k));
  for (int i = 0; i < 3; ++i) {
    book.RenameSheet(i, "Опора №" + std::to_string(i + 1));
    book.Sheet(i).Cell(13, 3).SetText("АС 70/11");
    book.Sheet(i).Cell(14, 3).SetNumber(i + 0.5);
    book.Sheet(i).Cell(3, 17).SetInteger(10 * i);
  }
  book.Save(folder.File("report.xls"));
  std::ofstream script(folder.File("check.py"));
  script << "import sys, xlrd\n"
            "b = xlrd.open_workbook(sys.argv[1], formatting_info=True)\n"
            "assert b.sheet_names() == ['Опора №1', 'Опора №2', 'Опора №3', 'Notes'], b.sheet_names()\n"
            "for i in range(3):\n"
            "    s = b.sheet_by_index(i)\n"
            "    assert s.cell_value(13, 3) == 'АС 70/11'\n"
            "    assert s.cell_value(14, 3) == i + 0.5\n"
            "    assert s.cell_value(3, 17) == 10 * i\n"
            "    assert s.cell_value(3, 1) == 'Label 3'\n"
            "    assert s.merged_cells == [(0, 1, 1, 6)], s.merged_cells\n"
            "    assert s.colinfo_map[1].width == 24 * 256\n"
            "    assert s.rowinfo_map[14].height == 495\n"
            "    xf = b.xf_list[s.cell_xf_index(3, 1)]\n"
            "    assert xf.border.left_line_style != 0\n"
            "    area = b.name_and_scope_map[('print_area', i)].result.value[0].coords\n"
            "    assert area == (i, i + 1, 0, 40, 0, 18), area\n"
            "print('ok')\n";
  script.close();
  ExpectOutput(folder, "/usr/bin/python3 check.py report.xls", "ok\n");
}

bool HavePoi() {
  return std::filesystem::exists("/usr/share/java/poi.jar") &&
         std::system("javac -version > /dev/null 2>&1") == 0;
}

// The strictest reader: it sees the picture of every copy through the sheet's
// drawing and the print area of every sheet, and writes the workbook again.
TEST(IndependentReader, PoiReadsCopiesWithTheirPictures) {
  if (!HavePoi()) GTEST_SKIP() << "Apache POI or a Java compiler is not installed";
  TempFolder folder;
  XlsWorkbook book = OpenData("libreoffice_large_picture.xls");
  for (int k = 1; k < 4; ++k) book.CopySheet(0, k, "Опора №" + std::to_string(k + 1));
  book.Sheet(2).Cell(13, 3).SetText("АС 70/11");
  book.Save(folder.File("report.xls"));
  std::ofstream source(folder.File("Check.java"));
  source << "import org.apache.poi.hssf.usermodel.*;\n"
            "public class Check {\n"
            "  public static void main(String[] args) throws Exception {\n"
            "    HSSFWorkbook b = new HSSFWorkbook(new java.io.FileInputStream(args[0]));\n"
            "    StringBuilder out = new StringBuilder(b.getNumberOfSheets() + \" \" + "
            "b.getAllPictures().size());\n"
            "    for (int i = 0; i < b.getNumberOfSheets(); i++) {\n"
            "      HSSFPatriarch p = b.getSheetAt(i).getDrawingPatriarch();\n"
            "      out.append(\" \" + (p == null ? 0 : p.getChildren().size()));\n"
            "      out.append(\"/\" + (b.getPrintArea(i) != null));\n"
            "    }\n"
            "    out.append(\" \" + b.getSheetAt(2).getRow(13).getCell(3).getStringCellValue());\n"
            "    b.write(new java.io.ByteArrayOutputStream());\n"
            "    System.out.println(out);\n"
            "  }\n"
            "}\n";
  source.close();
  std::string classpath =
      "/usr/share/java/poi.jar:/usr/share/java/commons-collections4.jar:"
      "/usr/share/java/commons-math3.jar:/usr/share/java/commons-codec.jar:" +
      folder.Path().string();
  ExpectOutput(folder,
               "javac -cp " + classpath + " Check.java && java -cp " + classpath + " Check report.xls",
               "5 1 1/true 1/true 1/true 1/true 0/false АС 70/11\n");
}

}  // namespace

}  // namespace xls
