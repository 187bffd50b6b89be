#include <gtest/gtest.h>

#include <set>

#include "cli_test_support.h"

using namespace orv::project;

namespace {

std::vector<std::string> ExampleProjects() {
  std::vector<std::string> paths;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(ORVANE_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() == ".orv") paths.push_back(entry.path().string());
  }
  return paths;
}

std::set<std::string> VerdictKeys(const std::string& json) {
  std::set<std::string> keys;
  const std::string field = "\"verdict_key\": \"";
  for (size_t at = json.find(field); at != std::string::npos; at = json.find(field, at)) {
    at += field.size();
    keys.insert(json.substr(at, json.find('"', at) - at));
  }
  return keys;
}

// A new user opens these first: every support must find its wire in the
// shipped catalogue and calculate, and between them the examples show the
// range of what the program answers.
TEST(Examples, EverySupportCalculatesWithTheShippedCatalogue) {
  CliTempFolder folder;
  const std::string catalogue = ShippedCatalogue(folder);
  const std::vector<std::string> projects = ExampleProjects();
  ASSERT_GE(projects.size(), 2u);
  std::set<std::string> keys;
  bool turn = false;
  for (const std::string& path : projects) {
    TProject project;
    LoadProjectFile(path, project);
    EXPECT_GE(project.Pillars.Count(), 10) << path;
    for (int i = 0; i < project.Pillars.Count(); ++i) {
      turn = turn || project.Pillars.Items(i).TurnAngle != 0;
    }
    const CommandRun run = RunOrvane({"calc", path, "--catalog", catalogue, "--format", "json"});
    EXPECT_EQ(run.status, 0) << path << "\n" << run.err;
    EXPECT_EQ(run.err, "") << path;
    EXPECT_EQ(run.out.find("\"error\": \""), std::string::npos) << path;
    const std::set<std::string> found = VerdictKeys(run.out);
    keys.insert(found.begin(), found.end());
  }
  EXPECT_TRUE(turn);
  EXPECT_TRUE(keys.count("Evaluate_the_tearing_load"));
  EXPECT_TRUE(keys.count("There is no force"));
  EXPECT_GE(keys.size(), 8u);
}

}  // namespace
