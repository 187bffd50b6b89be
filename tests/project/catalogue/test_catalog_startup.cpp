#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/errors.h"
#include "base/file_open.h"
#include "base/temporary_files.h"
#include "project/catalogue/wire_catalog.h"
#include "project/catalogue/wire_catalog_record.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "project/test_catalog_support.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::project;

namespace {

class CatalogStartup : public ::testing::Test {
 protected:
  void SetUp() override {
    folders.programFolder = temp.File("") + "program/";
    folders.sharedDataFolder = temp.File("") + "common/Mirvex/Quorin/";
    std::filesystem::create_directories(folders.programFolder);
    SetFolders(&folders);
  }
  void TearDown() override { ResetPorts(); }

  std::string ProgramCopy() const { return folders.programFolder + "base_provod.dat"; }
  std::string DataFile() const { return folders.sharedDataFolder + "base_provod.dat"; }

  ProjectTempFolder temp;
  FixedFolders folders;
  TWireCatalog catalogue;
};

TEST_F(CatalogStartup, FindsTheDataFileInEveryCase) {
  const std::string fixture = ReadBytes(CatalogTestData("three_wires.dat"));
  const std::string dataOnly = EncodeWireRecord(Wire(7, "data wire"));
  const struct {
    const char* title;
    bool programCopy;
    bool dataFile;
    std::vector<std::string> names;  // loaded, sorted by name
    std::string dataBytes;           // the data file afterwards
  } cases[] = {
      {"first start copies the program's file", true, false, {"AsXS 25", "АС 70/11", "ТК 50"}, fixture},
      {"an existing data file is never overwritten", true, true, {"data wire"}, dataOnly},
      {"a data file without a program copy", false, true, {"data wire"}, dataOnly},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    std::filesystem::remove_all(temp.File("") + "common");
    std::filesystem::remove(ProgramCopy());
    if (c.programCopy) WriteBytes(ProgramCopy(), fixture);
    if (c.dataFile) {
      std::filesystem::create_directories(folders.sharedDataFolder);
      WriteBytes(DataFile(), dataOnly);
    }
    catalogue.Start();
    EXPECT_EQ(Names(catalogue.List().Records()), c.names);
    EXPECT_EQ(ReadBytes(DataFile()), c.dataBytes);
    EXPECT_EQ(catalogue.List().FileName(), DataFile());
    if (c.programCopy) {
      EXPECT_EQ(ReadBytes(ProgramCopy()), fixture);
    }
  }
}

TEST_F(CatalogStartup, ChangesAreSavedIntoTheDataFolderOnly) {
  const std::string fixture = ReadBytes(CatalogTestData("three_wires.dat"));
  WriteBytes(ProgramCopy(), fixture);
  catalogue.Start();
  catalogue.SaveIfModified();
  EXPECT_EQ(ReadBytes(DataFile()), fixture) << "saved without a change";

  catalogue.Delete(0);
  EXPECT_TRUE(catalogue.IsModified());
  catalogue.SaveIfModified();
  EXPECT_EQ(ReadBytes(DataFile()), EncodeWireRecords(catalogue.List().Records()));
  EXPECT_EQ(ReadBytes(ProgramCopy()), fixture);
  EXPECT_FALSE(catalogue.IsModified());

  catalogue.Start();
  EXPECT_EQ(Names(catalogue.List().Records()), (std::vector<std::string>{"АС 70/11", "ТК 50"}));
}

TEST_F(CatalogStartup, WithoutAnyFileTheCatalogueIsSavedToTheDataFile) {
  catalogue.Start();
  EXPECT_EQ(catalogue.List().Count(), 0);
  EXPECT_TRUE(std::filesystem::is_directory(folders.sharedDataFolder)) << "folder with parents";
  EXPECT_FALSE(std::filesystem::exists(DataFile()));
  EXPECT_EQ(catalogue.List().FileName(), "");
  EXPECT_EQ(catalogue.SavePath(), DataFile());

  catalogue.Add(Wire(1, "new"));
  catalogue.SaveIfModified();
  EXPECT_EQ(ReadBytes(DataFile()), EncodeWireRecord(Wire(1, "new")));
  EXPECT_EQ(catalogue.List().FileName(), DataFile());
}

// Otherwise every support would only ask for its wire, with no word why: a
// data folder that cannot be made, or a data file that is a link to nothing.
TEST_F(CatalogStartup, AFailedFirstCopyLeavesAnEmptyCatalogueAndSaysWhy) {
  WriteBytes(ProgramCopy(), ReadBytes(CatalogTestData("three_wires.dat")));
  WriteBytes(temp.File("blocker"), "a file where a folder should be");
  const std::string common = folders.sharedDataFolder;
  const struct {
    const char* name;
    std::string dataFolder;
    std::string reason;  // after the data file's path
  } cases[] = {
      {"folder blocked", temp.File("blocker") + "/Mirvex/Quorin/", "\" cannot be written: "},
#ifndef _WIN32
      {"dangling link", common, "\" is a link to a file that does not exist"},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    folders.sharedDataFolder = c.dataFolder;
    if (c.dataFolder == common) {
      std::filesystem::create_directories(common);
      std::filesystem::create_symlink(temp.File("gone.dat"), DataFile());
    }
    RecordingMessages messages;
    SetMessages(&messages);
    catalogue.Start();
    EXPECT_EQ(catalogue.List().Count(), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_NE(messages.shown[0].text.find("could not be copied"), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find(DataFile() + c.reason), std::string::npos)
        << messages.shown[0].text;
  }
}

// Without a home folder the catalogue has no place: it starts empty, says
// why, and is not saved into the folder the program happened to start in.
TEST_F(CatalogStartup, AnUnknownDataFolderLeavesAnEmptyCatalogueAndSaysWhy) {
  folders.sharedDataFolder = "";
  RecordingMessages messages;
  SetMessages(&messages);
  catalogue.Start();
  EXPECT_EQ(catalogue.List().Count(), 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("Set HOME or ORVANE_DATA_DIR"), std::string::npos);
  catalogue.Add(orv::calc::TWireRecord{});
  EXPECT_THROW(catalogue.SaveIfModified(), orv::base::OrvError);
}

// A temporary file a killed run left in the data folder goes at start, once
// stale; a recent one may belong to a run still writing.
TEST_F(CatalogStartup, StaleTemporariesInTheDataFolderGo) {
  std::filesystem::create_directories(folders.sharedDataFolder);
  const auto stale = TemporaryPathFor(PathFromUtf8(DataFile()));
  const auto recent = TemporaryPathFor(PathFromUtf8(folders.sharedDataFolder + "other.dat"));
  WriteBytes(PathToUtf8(stale), "cut off");
  WriteBytes(PathToUtf8(recent), "being written");
  std::filesystem::last_write_time(stale, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  catalogue.Start();
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(recent));
}

}  // namespace
