#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::settings;

namespace {

// A support outside its range is named with its field and value while the
// others are calculated as before.
TEST(SupportRangesCommand, CalcNamesTheFieldAndGoesOnWithTheOthers) {
  CliTempFolder folder;
  TProject project = ExampleProject();
  TPillar wires = project.Pillars.Items(0);
  wires.SupportNumber = "13";
  wires.WiresInPhase = -1;
  project.Pillars.Add(wires);
  project.Pillars.Add(project.Pillars.Items(0));
  const std::string path = WriteProject(folder, "Ranges.orv", project);
  const std::string catalogue = WriteCatalogue(folder, "wires.dat", {ExampleWire()});
  const CommandRun run =
      RunOrvane({"calc", path, "--catalog", catalogue, "--lang", "en", "--format", "json", "--explain"});
  EXPECT_NE(run.err.find("support 2 \"13\": Number of wires in phase = -1: outside the range 1 – 3"),
            std::string::npos)
      << run.err;
  const size_t second = run.out.find("\"13\"");
  ASSERT_NE(second, std::string::npos);
  EXPECT_NE(run.out.find("\"Data_error\"", second), std::string::npos);
  EXPECT_NE(run.out.find("\"input_range\"", second), std::string::npos);
  EXPECT_NE(run.out.find("\"Mess_04\"", second), std::string::npos);  // the third support
}

// A limit far beyond any wire, and a catalogue wire of negative weight: calc
// and report both name the support, the field (and the wire), never a bare
// arithmetic error.
TEST(SupportRangesCommand, CalcAndReportNameTheSupportAndFieldOfAHugeLimitOrABadWire) {
  CliTempFolder folder;
  TProject project = ExampleProject();
  project.Pillars.Items(0).StressMax = 1e307;
  const std::string path = WriteProject(folder, "Huge.orv", project);
  TWireRecord negative = ExampleWire();
  negative.WireWeight = -0.148;
  const std::string catalogue = WriteCatalogue(folder, "wires.dat", {ExampleWire()});
  const std::string bad = WriteCatalogue(folder, "bad.dat", {negative});
  FixedFolders folders;
  folders.programFolder = std::string(ORVANE_PROGRAM_DIR) + "/";
  SetFolders(&folders);
  const std::string limit = "Maximum permissible tension, daN/mm² = 1E307: outside the range 0 – 1000";
  const std::string weight = "\"" + negative.WireName + "\": Weight of the wire, kg/m = -0.148: outside the range";
  const struct {
    std::vector<std::string> words;
    std::string said;
  } cases[] = {
      {{"calc", path, "--catalog", catalogue}, limit},
      {{"report", path, "--catalog", catalogue, "-o", folder.File("r.xls")}, limit},
      {{"calc", WriteProject(folder, "p.orv", ExampleProject()), "--catalog", bad}, weight},
      {{"report", folder.File("p.orv"), "--catalog", bad, "-o", folder.File("r2.xls")}, weight},
  };
  for (const auto& c : cases) {
    const CommandRun run = RunOrvane(c.words);
    EXPECT_EQ(run.status, 1) << c.words[0];
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("12"), std::string::npos) << "the support is named: " << run.err;
    EXPECT_EQ(run.err.find("Floating point"), std::string::npos) << run.err;
  }
  SetFolders(nullptr);
}

}  // namespace
