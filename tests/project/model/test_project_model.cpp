#include <gtest/gtest.h>

#include "project/model/project.h"
#include "project/test_project_support.h"

using namespace orv::calc;
using namespace orv::project;

namespace {

TProject ChangedProject() {
  TProject project;
  project.Klimat.IceThickness = 20;
  project.Klimat.TempMax = 35;
  project.KlimatKoef.IceOperatingCoef = 0.5;
  project.KlimatKoef.SupportHeight = 30;
  project.KlimatKoef.TerrainType = 3;
  project.Pillars.Add(SampleSupport());
  project.Pillars.Add(TPillar());
  return project;
}

TEST(ProjectModel, ClearReturnsToANewProject) {
  TProject project = ChangedProject();
  project.Clear();
  EXPECT_TRUE(project.Equals(TProject()));
}

TEST(ProjectModel, AssignCopiesEverythingDeeply) {
  const TProject source = ChangedProject();
  TProject copy;
  copy.Pillars.Add(TPillar());
  copy.Assign(source);
  EXPECT_TRUE(copy.Equals(source));
  copy.Pillars.Items(0).WireName = "АС 95/16";
  EXPECT_EQ(source.Pillars.Items(0).WireName, "АС 70/11");
}

struct ProjectChange {
  const char* name;
  void (*change)(TProject&);
};

class ProjectDiffers : public testing::TestWithParam<ProjectChange> {};

// The main window's unsaved-changes test rests on this: any single value.
TEST_P(ProjectDiffers, WhenOneValueDiffers) {
  const TProject base = ChangedProject();
  TProject other;
  other.Assign(base);
  GetParam().change(other);
  EXPECT_FALSE(other.Equals(base));
}

INSTANTIATE_TEST_SUITE_P(
    ProjectModel, ProjectDiffers,
    testing::Values(ProjectChange{"TempAverage", [](TProject& p) { p.Klimat.TempAverage = 0.5; }},
                    ProjectChange{"SupportHeight", [](TProject& p) { p.KlimatKoef.SupportHeight = 15; }},
                    ProjectChange{"WindRespCoef", [](TProject& p) { p.KlimatKoef.WindRespCoef = 1.0000001; }},
                    ProjectChange{"SupportReserved", [](TProject& p) { p.Pillars.Items(1).Reserved = 1; }},
                    ProjectChange{"SupportDeleted", [](TProject& p) { p.Pillars.Delete(1); }}),
    [](const testing::TestParamInfo<ProjectChange>& info) { return std::string(info.param.name); });

TEST(ProjectModel, SettlingZeroesThePairTheModeDoesNotUse) {
  TProject project;
  TPillar byStresses = SampleSupport();
  byStresses.TensionMax = 1500;
  byStresses.TensionAverage = 800;
  TPillar byTensions = byStresses;
  byTensions.TensionMode = 1;
  project.Pillars.Add(byStresses);
  project.Pillars.Add(byTensions);
  project.SettleUnusedLimits();
  const TPillar& first = project.Pillars.Items(0);
  const TPillar& second = project.Pillars.Items(1);
  EXPECT_EQ(first.StressMax, 12.5);
  EXPECT_EQ(first.TensionMax, 0);
  EXPECT_EQ(first.TensionAverage, 0);
  EXPECT_EQ(second.StressMax, 0);
  EXPECT_EQ(second.StressAverage, 0);
  EXPECT_EQ(second.TensionMax, 1500);
  EXPECT_EQ(second.TensionAverage, 800);
}

}  // namespace
