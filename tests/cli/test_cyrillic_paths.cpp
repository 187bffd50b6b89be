#include <gtest/gtest.h>

#include <algorithm>

#include "cli/json_text.h"
#include "cli_test_support.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "xls/workbook.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::project;
using namespace orv::cli;

namespace {

// The names as the folder listing gives them back, so a name garbled on the
// way to the system (a narrow path on Windows) shows up.
std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder))) {
    names.push_back(PathToUtf8(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A user keeps a project in a folder whose name, like the project's, is
// Cyrillic with blanks: it is saved, read, given a climate, calculated and
// reported there, and every file lands under its own name.
TEST(CyrillicPaths, ProjectIsSavedOpenedCalculatedAndReported) {
  CliTempFolder root;
  const std::string folder = root.File("Проекты линий 35 кВ");
  std::filesystem::create_directories(PathFromUtf8(folder));
  const std::string project = folder + "/Линия Северная 2.orv";
  TProject saved = ExampleProject();
  SaveProjectFile(project, saved);
  TProject opened;
  LoadProjectFile(project, opened);
  EXPECT_TRUE(opened.Equals(saved));
  const std::string catalogue =
      WriteCatalogue(root, "Проекты линий 35 кВ/Каталог проводов.dat", {ExampleWire()});

  const std::string withClimate = folder + "/Линия с климатом.orv";
  const std::string dastrel = std::string(ORVANE_TEST_DATA) + "/dastrel/newer_form.dtr";
  EXPECT_EQ(RunOrvane({"climate", project, "--from", dastrel, "-o", withClimate}).status, 0);

  const CommandRun calc = RunOrvane({"calc", withClimate, "--catalog", catalogue, "--format", "json"});
  EXPECT_EQ(calc.status, 0) << calc.err;
  EXPECT_EQ(calc.out.rfind("{\"project\": " + JsonString(withClimate), 0), 0u) << calc.out;

  FixedFolders folders;
  folders.programFolder = std::string(ORVANE_PROGRAM_DIR) + "/";
  SetFolders(&folders);
  const std::string report = folder + "/Отчёт по линии.xls";
  const CommandRun run =
      RunOrvane({"report", withClimate, "--catalog", catalogue, "-o", report, "--lang", "ru"});
  SetFolders(nullptr);
  EXPECT_EQ(run.status, 0) << run.err;
  xls::XlsWorkbook book;
  book.Open(report);
  EXPECT_GE(book.SheetCount(), 1);

  EXPECT_EQ(Listing(folder), (std::vector<std::string>{"Каталог проводов.dat", "Линия Северная 2.orv",
                                                       "Линия с климатом.orv", "Отчёт по линии.xls"}));
}

#ifndef _WIN32
// A name the system gives in Windows-1251 bytes is no UTF-8, yet the project
// is calculated and reported under it.
TEST(CyrillicPaths, AFileNameInWindows1251Works) {
  CliTempFolder root;
  const std::string project = root.File("\xCB\xE8\xED\xE8\xFF.orv");  // "Линия" in Windows-1251
  WriteProject(root, "\xCB\xE8\xED\xE8\xFF.orv", ExampleProject());
  const std::string catalogue = WriteCatalogue(root, "c.dat", {ExampleWire()});
  EXPECT_EQ(RunOrvane({"calc", project, "--catalog", catalogue}).status, 0);
  FixedFolders folders;
  folders.programFolder = std::string(ORVANE_PROGRAM_DIR) + "/";
  SetFolders(&folders);
  const CommandRun run = RunOrvane({"report", project, "--catalog", catalogue, "-o", root.File("r.xls")});
  SetFolders(nullptr);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(root.File("r.xls")));
}
#endif

}  // namespace
