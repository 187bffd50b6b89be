#include "report_fixture.h"

#include <filesystem>

#include "project/report/make_report.h"
#include "project/report/report_cell.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"
#include "settings/units.h"

namespace fs = std::filesystem;

void ReportTest::SetUp() {
  SetSettingsStore(&settings);
  SetMessages(&messages);
  SetShell(&shell);
  fs::create_directories(ProgramFolder() + "Forms");
  for (const char* name :
       {"FormLoad_en.xls", "FormLoadN_en.xls", "FormLoad_ru.xls", "FormLoadN_ru.xls"}) {
    fs::copy_file(std::string(ORVANE_SOURCE_DIR) + "/forms/" + name,
                  ProgramFolder() + "Forms/" + name);
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

TWireRecord ReportTest::ExampleWire() {
  TWireRecord wire;
  wire.WireGroup = 1;
  wire.WireName = "АС 35/6.2";
  wire.WireDiameter = 8.4;
  wire.WireArea = 43.0;
  wire.WireWeight = 0.148;
  wire.WireModulus = 8250;
  wire.WireExpansion = 19.2e-6;
  return wire;
}

TPillar ReportTest::ExampleSupport(const std::string& number) {
  TPillar support;
  support.SupportNumber = number;
  support.WireName = "АС 35/6.2";
  support.StressMax = 12;
  support.StressAverage = 8;
  support.SpanLeft = support.SpanRight = support.SpanEquivalent = 200;
  support.GroundLeft = support.GroundThis = support.GroundRight = 100;
  support.HeightLeft = support.HeightThis = support.HeightRight = 20;
  support.DamperWeight = 5;
  support.InsulatorWeight = 50;
  support.AlfaP = 45;
  support.AlfaAB = 10;
  support.AlfaBal = 60;
  return support;
}

TProject ReportTest::ExampleProject(int supports) {
  TProject project;
  project.Klimat.IceThickness = 5;
  project.Klimat.WindVelocityMax = 25;
  project.Klimat.WindVelocityIce = 12.5;
  project.Klimat.TempMin = -55;
  project.Klimat.TempIceNoWind = -5;
  project.Klimat.TempIceWind = -5;
  project.Klimat.TempAverage = 0;
  for (int i = 1; i <= supports; ++i) project.Pillars.Add(ExampleSupport(std::to_string(i)));
  return project;
}

XlsWorkbook ReportTest::ReportOf(const TProject& project) {
  EXPECT_EQ(WriteReport(project, OutputPath(), catalogue), ReportOutcome::Saved);
  return ReadBack();
}

XlsWorkbook ReportTest::ReadBack() const {
  XlsWorkbook book;
  book.Open(OutputPath());
  return book;
}

bool ReportTest::OutputExists() const { return fs::exists(OutputPath()); }

double NumberAt(XlsSheet sheet, const char* address) {
  return ReportCell(sheet, address).Number();
}

std::string TextAt(XlsSheet sheet, const char* address) {
  return ReportCell(sheet, address).Text();
}

XlsCellKind KindAt(XlsSheet sheet, const char* address) {
  return ReportCell(sheet, address).Kind();
}
