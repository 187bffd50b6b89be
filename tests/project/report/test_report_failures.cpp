#include <filesystem>
#include <string>
#include <vector>

#include "base/errors.h"
#include "project/report/make_report.h"
#include "report_fixture.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace {

constexpr const char* kOldReport = "an earlier report";

TEST_F(ReportTest, NoSupportsWritesNothingAndSaysNothing) {
  EXPECT_EQ(WriteReport(ExampleProject(0), OutputPath(), catalogue), ReportOutcome::NoSupports);
  EXPECT_FALSE(OutputExists());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReportTest, MissingWiresAreNamedInOneMessageAndNoFileIsWritten) {
  const struct {
    int language;
    std::vector<int> missingAt;
    const char* message;
  } cases[] = {
      {0, {0, 2},
       "No report was written: the wire of these supports is not in the reference catalog: Support 1 (АС 35/6.3), "
       "Support 3 (АС 35/6.3). Input the data for these wires, cords, cables into the reference catalog."},
      {1, {1},
       "Отчёт не записан: провода этих опор нет в справочнике: Опора 2 (АС 35/6.3). Введите эти провода, тросы, "
       "кабели в справочник."},
  };
  for (const auto& c : cases) {
    UseSettings(c.language, 0);
    messages.shown.clear();
    WriteBytes(OutputPath(), kOldReport);
    TProject project = ExampleProject(3);
    for (int at : c.missingAt) project.Pillars.Items(at).WireName = "АС 35/6.3";
    EXPECT_EQ(WriteReport(project, OutputPath(), catalogue), ReportOutcome::Stopped);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(ReadBytes(OutputPath()), kOldReport);
  }
}

TEST_F(ReportTest, NumbersThatMakeOneSheetNameAreNamedWithoutWriting) {
  const struct {
    const char* first;
    const char* second;
    const char* message;
  } cases[] = {
      {"1", "1", "No report was written: supports 1, 1 make the same sheet name \"Support №1\". Give them different numbers."},
      {"1/", "1?", "No report was written: supports 1/, 1? make the same sheet name \"Support №1_\". Give them different numbers."},
      {"a1", "A1", "No report was written: supports a1, A1 make the same sheet name \"Support №a1\". Give them different numbers."},
  };
  for (const auto& c : cases) {
    WriteBytes(OutputPath(), kOldReport);
    TProject project = ExampleProject(3);
    project.Pillars.Items(0).SupportNumber = c.first;
    project.Pillars.Items(2).SupportNumber = c.second;
    try {
      WriteReport(project, OutputPath(), catalogue);
      ADD_FAILURE() << "one sheet name for two supports was accepted: " << c.second;
    } catch (const OrvError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
    EXPECT_EQ(ReadBytes(OutputPath()), kOldReport);
  }
}

TEST_F(ReportTest, AnUnreadableTemplateIsNamedInTheMessage) {
  const struct {
    int language;
    int units;
    bool corrupt;
    const char* message;
  } cases[] = {
      {0, 0, false,
       "Check the program's files: the report template cannot be opened: \\Forms\\FormLoad_en.xls."},
      {0, 1, true,
       "Check the program's files: the report template cannot be opened: \\Forms\\FormLoadN_en.xls."},
      {1, 0, false, "Проверьте файлы программы: не удаётся открыть шаблон отчёта: \\Forms\\FormLoad_ru.xls."},
      {1, 1, true, "Проверьте файлы программы: не удаётся открыть шаблон отчёта: \\Forms\\FormLoadN_ru.xls."},
  };
  for (const auto& c : cases) {
    UseSettings(c.language, c.units);
    messages.shown.clear();
    std::string name = c.message;
    name = name.substr(name.rfind('\\') + 1);
    name.pop_back();
    const std::string path = ProgramFolder() + "Forms/" + name;
    if (c.corrupt) {
      WriteBytes(path, "not a workbook");
    } else {
      std::filesystem::remove(path);
    }
    EXPECT_EQ(WriteReport(ExampleProject(2), OutputPath(), catalogue), ReportOutcome::Stopped);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_FALSE(OutputExists());
  }
}

TEST_F(ReportTest, AFloatingPointErrorNamesTheSupportAndWritesNothing) {
  WriteBytes(OutputPath(), kOldReport);
  TWireRecord flat = ExampleWire();
  flat.WireName = "Flat";
  flat.WireArea = 0;
  catalogue.Add(flat);
  TProject project = ExampleProject(2);
  project.Pillars.Items(1).SupportNumber = "7";
  project.Pillars.Items(1).WireName = "Flat";
  try {
    WriteReport(project, OutputPath(), catalogue);
    FAIL() << "a zero sectional area was reported";
  } catch (const FloatingPointError& error) {
    const std::string text = error.what();
    EXPECT_EQ(text.rfind("Support 7 (Flat): ", 0), 0u) << text;
    // Out of the wire's physical range: refused before the calculation, naming wire and field.
    EXPECT_NE(text.find("\"Flat\": Cross-section area, mm² = 0: outside the range 0.01 – 20000"), std::string::npos)
        << text;
  }
  EXPECT_EQ(ReadBytes(OutputPath()), kOldReport);
}

TEST_F(ReportTest, AReportThatCannotBeCreatedSaysSo) {
  const std::string path = folder.File("no such folder/out.xls");
  try {
    WriteReport(ExampleProject(1), path, catalogue);
    FAIL() << "a report was written into a missing folder";
  } catch (const OrvError& error) {
    EXPECT_EQ(std::string(error.what()), "Can not create a file \"" + path + "\": No such file or directory");
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

// Refused at once, before a sheet is copied, with the number that would fit:
// every sheet of the template counts, as the summary does.
TEST_F(ReportTest, MoreSupportsThanAWorkbookHoldsAreRefusedBeforeBuilding) {
  WriteBytes(OutputPath(), kOldReport);
  TProject project = ExampleProject(1);
  for (int i = 1; i <= 0xFFFF; ++i) project.Pillars.Add(project.Pillars.Items(0));
  const std::string text =
      "The report is not made: one .xls workbook holds the sheets of at most this number of "
      "supports: ";
  int mostBefore = 0;
  for (int templateSheets : {1, 2}) {
    if (templateSheets == 2) {
      xls::XlsWorkbook form;
      form.Open(ProgramFolder() + "Forms/FormLoad_en.xls");
      form.InsertSheet(1, "Notes");
      form.Save(ProgramFolder() + "Forms/FormLoad_en.xls");
    }
    try {
      WriteReport(project, OutputPath(), catalogue);
      FAIL() << "a report beyond the workbook's capacity was built";
    } catch (const OrvError& error) {
      const std::string message = error.what();
      ASSERT_EQ(message.rfind(text, 0), 0u) << message;
      const int most = std::stoi(message.substr(text.size()));
      EXPECT_GT(most, 10000);
      // The supports' sheets, the template's others and the summary.
      EXPECT_LE(most + (templateSheets - 1) + 1, 0xFFFF) << templateSheets;
      if (mostBefore > 0) {
        EXPECT_LT(most, mostBefore);
      }
      mostBefore = most;
    }
  }
  EXPECT_EQ(ReadBytes(OutputPath()), kOldReport);
}

}  // namespace
