#include "report_fixture.h"

#include <filesystem>

#include "support/worked_example.h"
#include "project/report/make_report.h"
#include "project/report/report_cell.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"
#include "settings/units.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace fs = std::filesystem;

void ReportTest::SetUp() {
  SetSettingsStore(&settings);
  SetMessages(&messages);
  SetShell(&shell);
  fs::create_directories(ProgramFolder() + "Forms");
  for (const char* name : {"FormLoad_en.xls", "FormLoadN_en.xls", "FormLoad_ru.xls", "FormLoadN_ru.xls"}) {
    fs::copy_file(std::string(ORVANE_SOURCE_DIR) + "/forms/" + name, ProgramFolder() + "Forms/" + name);
  }
  folders.programFolder = ProgramFolder();
  folders.sharedDataFolder = folder.File("shared") + "/";
  SetFolders(&folders);
  InitLocalization();
  RegisterAllTexts();
  UseSettings(0, 0);
  catalogue.Add(ExampleWire());
}

void ReportTest::TearDown() {
  FreeLocalization();
  ResetPorts();
}

void ReportTest::UseSettings(int language, int units) {
  SetLanguageForSession(language);
  SetUnitsForSession(units);
}

TWireRecord ReportTest::ExampleWire() { return WorkedExampleWire(); }

TPillar ReportTest::ExampleSupport(const std::string& number) {
  return WorkedExampleSupport(number, kWorkedExampleWireName);
}

TProject ReportTest::ExampleProject(int supports) {
  TProject project;
  project.Klimat.AssignFrom(WorkedExampleKlimat());
  for (int i = 1; i <= supports; ++i) project.Pillars.Add(ExampleSupport(std::to_string(i)));
  return project;
}

xls::XlsWorkbook ReportTest::ReportOf(const TProject& project) {
  EXPECT_EQ(WriteReport(project, OutputPath(), catalogue), ReportOutcome::Saved);
  return ReadBack();
}

xls::XlsWorkbook ReportTest::ReadBack() const {
  xls::XlsWorkbook book;
  book.Open(OutputPath());
  return book;
}

bool ReportTest::OutputExists() const { return fs::exists(OutputPath()); }

double NumberAt(xls::XlsSheet sheet, const char* address) { return ReportCell(sheet, address).Number(); }

std::string TextAt(xls::XlsSheet sheet, const char* address) { return ReportCell(sheet, address).Text(); }

xls::XlsCellKind KindAt(xls::XlsSheet sheet, const char* address) {
  return ReportCell(sheet, address).Kind();
}
