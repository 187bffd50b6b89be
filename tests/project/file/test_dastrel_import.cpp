#include <gtest/gtest.h>

#include "project/file/dastrel_import.h"
#include "base/errors.h"
#include "project/test_project_support.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

namespace {

// The climate part of a Dastrel file: eight climate values after one skipped
// line, six skipped lines, seven coefficients.
std::vector<std::string> ClimatePart() {
  return {"skipped", "-5,5", "-10", "-45", "35",  "2.5", "14",  "29",  "15",  "a",   "b",
          "c",       "d",    "e",   "f",   "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "0.9"};
}

std::vector<std::string> NewerForm(const std::string& heights, const std::string& terrain) {
  std::vector<std::string> lines{"version 3.4", "skipped"};
  for (const std::string& line : ClimatePart()) lines.push_back(line);
  lines.push_back(heights);
  lines.push_back(terrain);
  lines.push_back("supports and wires follow");
  return lines;
}

std::vector<std::string> OlderForm(const std::string& firstLine) {
  std::vector<std::string> lines{firstLine};
  for (const std::string& line : ClimatePart()) lines.push_back(line);
  lines.push_back("40;50");
  lines.push_back("3");
  return lines;
}

void Import(const std::vector<std::string>& lines, TKlimat& klimat, TKlimatKoef& koef) {
  TextLineReader file(CrLfLines(lines));
  ReadDastrelClimate(file, klimat, koef);
}

void ExpectClimatePart(const TKlimat& klimat, const TKlimatKoef& koef) {
  EXPECT_EQ(klimat.TempIceNoWind, -5.5);
  EXPECT_EQ(klimat.TempIceWind, -10);
  EXPECT_EQ(klimat.TempMin, -45);
  EXPECT_EQ(klimat.TempMax, 35);
  EXPECT_EQ(klimat.TempAverage, 2.5);
  EXPECT_EQ(klimat.WindVelocityIce, 14);
  EXPECT_EQ(klimat.WindVelocityMax, 29);
  EXPECT_EQ(klimat.IceThickness, 15);
  EXPECT_EQ(koef.WindRespCoef, 1.1);
  EXPECT_EQ(koef.WindRegionalCoef, 1.2);
  EXPECT_EQ(koef.WindReliabilityCoef, 1.3);
  EXPECT_EQ(koef.IceRespCoef, 1.4);
  EXPECT_EQ(koef.IceRegionalCoef, 1.5);
  EXPECT_EQ(koef.IceReliabilityCoef, 1.6);
  EXPECT_EQ(koef.IceOperatingCoef, 0.9);
}

struct NewerCase {
  const char* heights;
  const char* terrain;
  int32_t wireHeight, supportHeight, terrainType;
};

class DastrelNewerForm : public testing::TestWithParam<NewerCase> {};

TEST_P(DastrelNewerForm, TakesHeightsAndTerrain) {
  TKlimat klimat;
  TKlimatKoef koef;
  Import(NewerForm(GetParam().heights, GetParam().terrain), klimat, koef);
  ExpectClimatePart(klimat, koef);
  EXPECT_EQ(koef.WireHeight, GetParam().wireHeight);
  EXPECT_EQ(koef.SupportHeight, GetParam().supportHeight);
  EXPECT_EQ(koef.TerrainType, GetParam().terrainType);
}

INSTANTIATE_TEST_SUITE_P(DastrelImport, DastrelNewerForm,
                         testing::Values(NewerCase{"10;20", "2", 10, 20, 2}, NewerCase{"10", "3", 10, 15, 3},
                                         NewerCase{"", "1", 15, 15, 1}, NewerCase{";30", "2", 15, 30, 2}));

class DastrelOlderForm : public testing::TestWithParam<const char*> {};

// Anything but the exact mark reads as the older form, whose heights and
// terrain take the defaults whatever the project held.
TEST_P(DastrelOlderForm, SetsDefaultHeightsAndTerrain) {
  TKlimat klimat;
  TKlimatKoef koef;
  koef.WireHeight = 40;
  koef.SupportHeight = 50;
  koef.TerrainType = 3;
  Import(OlderForm(GetParam()), klimat, koef);
  ExpectClimatePart(klimat, koef);
  EXPECT_EQ(koef.WireHeight, 15);
  EXPECT_EQ(koef.SupportHeight, 15);
  EXPECT_EQ(koef.TerrainType, 1);
}

INSTANTIATE_TEST_SUITE_P(DastrelImport, DastrelOlderForm,
                         testing::Values("Version 3.4", "version 3.4 ", "version 3.3", ""));

struct DastrelFailure {
  const char* name;
  std::vector<std::string> lines;
  const char* message;
};

class DastrelFailures : public testing::TestWithParam<DastrelFailure> {};

TEST_P(DastrelFailures, LeaveClimateAsItWas) {
  TKlimat klimat;
  klimat.TempMin = -40;
  TKlimatKoef koef;
  koef.TerrainType = 2;
  const TKlimat klimatBefore(klimat);
  const TKlimatKoef koefBefore(koef);
  try {
    Import(GetParam().lines, klimat, koef);
    FAIL() << "no error";
  } catch (const OrvError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
  EXPECT_TRUE(klimat.IsEqual(klimatBefore));
  EXPECT_TRUE(koef.IsEqual(koefBefore));
}

std::vector<std::string> Replaced(std::vector<std::string> lines, size_t line, const char* text) {
  lines[line - 1] = text;
  return lines;
}

std::vector<std::string> Cut(std::vector<std::string> lines, size_t count) {
  lines.resize(count);
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    DastrelImport, DastrelFailures,
    testing::Values(DastrelFailure{"LastClimateValue", Replaced(NewerForm("", "1"), 11, "x"),
                                   "'x' is not a valid floating point value (line 11)"},
                    DastrelFailure{"Coefficient", Replaced(OlderForm("v"), 20, "1..2"),
                                   "'1..2' is not a valid floating point value (line 20)"},
                    DastrelFailure{"Terrain", Replaced(NewerForm("", "1"), 26, "A"),
                                   "'A' is not a valid integer value (line 26)"},
                    DastrelFailure{"Heights", NewerForm("ten", "1"),
                                   "'ten' is not a valid integer value (line 25)"},
                    DastrelFailure{"ShortFile", Cut(NewerForm("", "1"), 20),
                                   "'' is not a valid floating point value (line 21)"},
                    DastrelFailure{"EmptyFile", {}, "'' is not a valid floating point value (line 3)"}),
    [](const testing::TestParamInfo<DastrelFailure>& info) { return std::string(info.param.name); });

TEST(DastrelImport, FileLeavesTheSupportsAlone) {
  TProject project;
  project.Pillars.Add(SampleSupport());
  TProject before;
  before.Assign(project);
  ImportDastrelClimate(project, std::string(ORVANE_TEST_DATA) + "/dastrel/newer_form.dtr");
  EXPECT_TRUE(project.Pillars.Equals(before.Pillars));
  EXPECT_EQ(project.Klimat.TempIceNoWind, -5.5);
  EXPECT_EQ(project.KlimatKoef.WireHeight, 10);
  EXPECT_EQ(project.KlimatKoef.SupportHeight, 20);
  EXPECT_EQ(project.KlimatKoef.TerrainType, 2);
}

TEST(DastrelImport, MissingFileNamesItAndChangesNothing) {
  TProject project;
  project.Klimat.TempMin = -30;
  const std::string path = std::string(ORVANE_TEST_DATA) + "/dastrel/missing.dtr";
  try {
    ImportDastrelClimate(project, path);
    FAIL() << "no error";
  } catch (const OrvError& error) {
    EXPECT_EQ(std::string(error.what()), "File not found (file \"" + path + "\")");
  }
  EXPECT_EQ(project.Klimat.TempMin, -30);
}

}  // namespace
