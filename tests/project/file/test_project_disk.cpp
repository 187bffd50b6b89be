#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "base/errors.h"
#include "project/file/project_file.h"
#include "project/test_project_support.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

namespace {

TProject ProjectWithUnsettledTensions() {
  TProject project;
  TPillar support = SampleSupport();
  support.TensionMode = 1;
  support.TensionMax = 1500;
  support.TensionAverage = 800;
  project.Pillars.Add(support);
  return project;
}

TEST(ProjectDisk, SaveWritesTheTextThenSettlesAndReadsBackEqual) {
  ProjectTempFolder folder;
  const std::string path = folder.File("Route.orv");
  TProject project = ProjectWithUnsettledTensions();
  const std::string text = project.FileText();
  SaveProjectFile(path, project);
  EXPECT_EQ(ReadBytes(path), text);
  EXPECT_EQ(project.Pillars.Items(0).StressMax, 0);
  TProject read;
  LoadProjectFile(path, read);
  EXPECT_TRUE(read.Equals(project));
}

TEST(ProjectDisk, WriteProtectedFileOpens) {
  ProjectTempFolder folder;
  const std::string path = folder.File("ReadOnly.orv");
  WriteBytes(path, ReadBytes(ProjectData("route_ru.orv")));
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  TProject read;
  LoadProjectFile(path, read);
  EXPECT_EQ(read.Pillars.Count(), 3);
}

TEST(ProjectDisk, MissingFileNamesItAndChangesNothing) {
  ProjectTempFolder folder;
  const std::string path = folder.File("Missing.orv");
  TProject project = ProjectWithUnsettledTensions();
  try {
    LoadProjectFile(path, project);
    FAIL() << "no error";
  } catch (const OrvError& error) {
    EXPECT_EQ(std::string(error.what()), "File not found (file \"" + path + "\")");
  }
  EXPECT_TRUE(project.Equals(ProjectWithUnsettledTensions()));
}

TEST(ProjectDisk, ConversionErrorNamesFileAndLine) {
  ProjectTempFolder folder;
  const std::string path = folder.File("Broken.orv");
  std::vector<std::string> lines = NewProjectLines();
  lines[17] = "x";
  WriteBytes(path, CrLfLines(lines));
  TProject project;
  try {
    LoadProjectFile(path, project);
    FAIL() << "no error";
  } catch (const OrvError& error) {
    EXPECT_EQ(std::string(error.what()), "'x' is not a valid integer value (file \"" + path + "\", line 18)");
  }
}

// Another editor may save the project as UTF-8, with or without a byte order
// mark; it reads as the Windows-1251 original, and is saved back in that.
TEST(ProjectDisk, AProjectSavedAsUtf8ReadsAsItsOriginal) {
  ProjectTempFolder folder;
  TProject original;
  original.Pillars.Add(SampleSupport());
  original.Pillars.Items(0).SupportNumber = "12а";
  original.Pillars.Items(0).WireName = "АС 70/11";
  original.Klimat.TempMin = -5;  // the first line, where a mark would stand
  const std::string windows = original.FileText();
  const std::string utf8 = Cp1251ToUtf8(windows);
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {{"Windows-1251", windows}, {"UTF-8", utf8}, {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder.File("Route.orv");
    WriteBytes(path, c.bytes);
    TProject read;
    LoadProjectFile(path, read);
    EXPECT_EQ(read.Pillars.Items(0).WireName, "АС 70/11");
    EXPECT_EQ(read.Pillars.Items(0).SupportNumber, "12а");
    EXPECT_EQ(read.Klimat.TempMin, -5);
    SaveProjectFile(path, read);
    EXPECT_EQ(ReadBytes(path), windows);
  }
}

struct FailedSave {
  const char* name;
  bool missingFolder;
  const char* supportNumber;
};

class FailedSaves : public testing::TestWithParam<FailedSave> {};

// A save that fails keeps an existing file byte for byte and leaves the
// project unsettled, so it still counts as changed.
TEST_P(FailedSaves, KeepFileAndProject) {
  ProjectTempFolder folder;
  const std::string path =
      GetParam().missingFolder ? folder.File("no/such/folder/Route.orv") : folder.File("Route.orv");
  const std::string old = "old contents\r\n";
  if (!GetParam().missingFolder) WriteBytes(path, old);
  TProject project = ProjectWithUnsettledTensions();
  project.Pillars.Items(0).SupportNumber = GetParam().supportNumber;
  TProject before;
  before.Assign(project);
  EXPECT_THROW(SaveProjectFile(path, project), OrvError);
  EXPECT_TRUE(project.Equals(before));
  if (!GetParam().missingFolder) {
    EXPECT_EQ(ReadBytes(path), old);
  }
}

INSTANTIATE_TEST_SUITE_P(ProjectDisk, FailedSaves,
                         testing::Values(FailedSave{"MissingFolder", true, "12"},
                                         FailedSave{"TextOutsideWindows1251", false, "12€✓"}),
                         [](const testing::TestParamInfo<FailedSave>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
