// A template, damaged in any way, through the report: either the report
// refuses it (a message, an error) or the workbook it writes opens again in
// the library's own reader, which checks every style, font, format and
// string a cell names.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "../tests/support/worked_example.h"
#include "base/errors.h"
#include "project/report/make_report.h"
#include "settings/localization.h"
#include "settings/ports/memory_ports.h"
#include "settings/texts/all_texts.h"
#include "settings/units.h"
#include "xls/workbook.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::project;

namespace fs = std::filesystem;

namespace {

struct Setting {
  Setting() {
    folder = fs::temp_directory_path() / ("orvane-fuzz-report-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder / "Forms");
    folders.programFolder = folder.string() + "/";
    SetFolders(&folders);
    SetMessages(&messages);
    SetSettingsStore(&settings);
    InitLocalization();
    RegisterAllTexts();
    SetLanguageForSession(0);
    SetUnitsForSession(0);
    // Supports that calculate, so that every report reaches its save.
    catalogue.Add(WorkedExampleWire());
    project.Klimat.AssignFrom(WorkedExampleKlimat());
    for (const char* number : {"1", "2"})
      project.Pillars.Add(WorkedExampleSupport(number, kWorkedExampleWireName));
  }
  fs::path folder;
  FixedFolders folders;
  RecordingMessages messages;
  MemorySettingsStore settings;
  TWiresList catalogue;
  TProject project;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Setting setting;
  setting.messages.shown.clear();
  {
    std::ofstream out(setting.folder / "Forms" / "FormLoad_en.xls", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const std::string report = (setting.folder / "report.xls").string();
  std::error_code ignored;
  fs::remove(report, ignored);
  try {
    if (WriteReport(setting.project, report, setting.catalogue) != ReportOutcome::Saved) return 0;
  } catch (const OrvError&) {
    return 0;
  }
  xls::XlsWorkbook again;
  try {
    again.Open(report);
  } catch (const xls::Error&) {
    __builtin_trap();  // a report that its own library cannot read
  }
  if (again.SheetCount() < setting.project.Pillars.Count()) __builtin_trap();
  return 0;
}
