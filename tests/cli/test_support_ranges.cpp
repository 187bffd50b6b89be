#include <gtest/gtest.h>

#include "cli_test_support.h"

using namespace orv::calc;
using namespace orv::project;

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

}  // namespace
