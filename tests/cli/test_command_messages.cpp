// Every command prints the warnings and errors of what it reads in the words
// of the dictionary, one line each, naming the file.
#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"

using namespace orv::base;
using namespace orv::settings;

namespace fs = std::filesystem;

namespace {

class CommandMessages : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(fs::path(folder.Path()) / "program" / "Forms");
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "forms" / "FormLoad_en.xls",
                  fs::path(folder.Path()) / "program" / "Forms" / "FormLoad_en.xls");
    folders.programFolder = folder.File("program") + "/";
    folders.sharedDataFolder = folder.File("shared") + "/";
    SetFolders(&folders);
  }
  void TearDown() override { SetFolders(nullptr); }

  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathFromUtf8(folder.File(name)), std::ios::binary) << bytes;
    return folder.File(name);
  }

  CliTempFolder folder;
  FixedFolders folders;
  std::string project = WriteProject(folder, "p.orv", ExampleProject());
  // A whole record and five bytes of the next.
  std::string cutShort =
      Write("cut.dat", CliReadBytes(WriteCatalogue(folder, "c.dat", {ExampleWire()})) + "12345");
  std::string emptyField = Write("e8.txt", "X;;2;3;4;5;1\r\n");
  std::string aFolder = (fs::create_directories(PathFromUtf8(folder.File("d.dat"))), folder.File("d.dat"));
};

TEST_F(CommandMessages, EveryCommandSaysWhatIsWrongAndWhere) {
  const std::string cutWarning = "warning: The last record of the wire catalogue \"" + cutShort +
                                 "\" is cut short and was left out: it starts at byte offset 61\n";
  const std::string folderError = "error: File access denied (file \"" + aFolder + "\")\n";
  const struct {
    std::vector<std::string> words;
    int status;
    std::string said;
  } cases[] = {
      {{"calc", project, "--catalog", cutShort}, 0, cutWarning},
      {{"report", project, "-o", folder.File("out.xls"), "--catalog", cutShort}, 0, cutWarning},
      {{"catalog", "export", cutShort, "-o", folder.File("out.txt")}, 0, cutWarning},
      {{"catalog", "import", emptyField, "-o", folder.File("out.dat")},
       1,
       "error: The field is empty (file \"" + emptyField + "\", line 1, field 2 (diameter))\n"},
      {{"calc", project, "--catalog", aFolder}, 1, folderError},
      {{"report", project, "-o", folder.File("out.xls"), "--catalog", aFolder}, 1, folderError},
      {{"catalog", "export", aFolder, "-o", folder.File("out.txt")}, 1, folderError},
      {{"climate", project, "--from", aFolder, "-o", folder.File("out.orv")}, 1, folderError},
  };
  for (const auto& c : cases) {
    std::vector<std::string> words = c.words;
    if (words[0] == "calc" || words[0] == "report")
      words.insert(words.end(), {"--lang", "en", "--units", "daN"});
    const CommandRun run = RunOrvane(words);
    EXPECT_EQ(run.status, c.status) << words[0] << " " << words[1] << "\n" << run.err;
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
  }
}

}  // namespace
