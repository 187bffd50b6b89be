#include <gtest/gtest.h>

#include <QtGlobal>
#include <cstdlib>
#include <filesystem>

#include "cli/cli_test_support.h"
#include "cli/pictures/picture_commands.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::cli;

namespace {

const bool kPictureCommandsAdded = (AddPictureCommands(), true);

// The pictures are drawn with no display at all, as on a build server.
class PictureCommands : public testing::Test {
 protected:
  void SetUp() override {
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("QT_QPA_PLATFORM");
  }
  CliTempFolder folder_;
};

bool LooksLike(const std::string& bytes, const std::string& extension) {
  if (extension == "png") return bytes.rfind("\x89PNG\r\n", 0) == 0;
  return bytes.find("<svg") != std::string::npos && bytes.find("</svg>") != std::string::npos;
}

TEST_F(PictureCommands, BothExamplesDrawInEveryFormatAndLanguage) {
  const std::string catalogue = ShippedCatalogue(folder_);
  const std::pair<const char*, const char*> examples[] = {{"line_110kv_en.orv", "105"},
                                                          {"line_35kv_ru.orv", "3а"}};
  for (const auto& [name, support] : examples) {
    const std::string project = std::string(ORVANE_SOURCE_DIR) + "/examples/" + name;
    for (const char* lang : {"en", "ru"}) {
      for (const std::string extension : {"png", "svg"}) {
        SCOPED_TRACE(std::string(name) + " " + lang + " " + extension);
        const std::string diagram = folder_.File(std::string("diagram_") + lang + "." + extension);
        const std::string profile = folder_.File(std::string("profile_") + lang + "." + extension);
        CommandRun run = RunOrvane({"diagram", project, "--support", support, "--catalog", catalogue,
                                    "--lang", lang, "-o", diagram});
#ifndef ORVANE_SVG
        if (extension == "svg") {
          EXPECT_EQ(run.status, 1);
          EXPECT_NE(run.err.find("SVG"), std::string::npos) << run.err;
          EXPECT_FALSE(std::filesystem::exists(diagram));
          continue;
        }
#endif
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(LooksLike(CliReadBytes(diagram), extension));
        run = RunOrvane({"profile", project, "--catalog", catalogue, "--lang", lang, "-o", profile});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(LooksLike(CliReadBytes(profile), extension));
      }
    }
  }
}

struct DiagramFailure {
  const char* name;
  const char* support;
  const char* output;
  int status;
  const char* message;
};

TEST_F(PictureCommands, DiagramFailuresWriteNoFile) {
  TProject project = ExampleProject();
  TPillar noString = WorkedExampleSupport("13", kWorkedExampleWireName);
  noString.InsulatorWeight = 0;
  project.Pillars.Add(noString);
  TPillar noAngle = WorkedExampleSupport("14", kWorkedExampleWireName);
  noAngle.AlfaP = 0;
  project.Pillars.Add(noAngle);
  const std::string path = WriteProject(folder_, "Example.orv", project);
  const std::string catalogue = WriteCatalogue(folder_, "wires.dat", {ExampleWire()});
  const DiagramFailure failures[] = {
      {"missing support", "99", "out.png", 1, "no support numbered \"99\""},
      {"no insulator string", "13", "out.svg", 1, "has no insulator string"},
      {"calculation fails", "14", "out.png", 1, "the calculation gave no result"},
      {"not a picture file", "12", "out.bmp", 2, ".png or .svg"},
  };
  for (const DiagramFailure& f : failures) {
    SCOPED_TRACE(f.name);
    const std::string output = folder_.File(f.output);
    CommandRun run = RunOrvane(
        {"diagram", path, "--support", f.support, "--catalog", catalogue, "--lang", "en", "-o", output});
    EXPECT_EQ(run.status, f.status);
    EXPECT_NE(run.err.find(f.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(output));
  }
  EXPECT_EQ(RunOrvane({"diagram", path, "-o", folder_.File("out.png")}).status, 2);
  EXPECT_EQ(RunOrvane({"profile", path, "-o", folder_.File("out.jpg")}).status, 2) << "wrong usage";
}

// The catalogue's warning and a read's error reach stderr in words naming the
// file, as from every command; a support without result ends the profile,
// drawn all the same, with status 1, as calc and report.
TEST_F(PictureCommands, WarningsErrorsAndSupportsWithoutResultAreSaid) {
  TProject project = ExampleProject();
  const std::string good = WriteProject(folder_, "Example.orv", project);
  project.Pillars.Items(0).AlfaP = 0;
  const std::string noAngle = WriteProject(folder_, "NoAngle.orv", project);
  const std::string wires = WriteCatalogue(folder_, "w.dat", {ExampleWire()});
  const std::string cut = folder_.File("cut.dat"), aFolder = folder_.File("d.dat");
  std::ofstream(cut, std::ios::binary) << CliReadBytes(wires) << "12345";
  std::filesystem::create_directory(aFolder);
  const std::string picture = folder_.File("p.png");
  const struct {
    std::vector<std::string> words;
    int status;
    std::string said;
  } cases[] = {
      {{"profile", good, "--catalog", cut}, 0, "warning: The last record of the wire catalogue \"" + cut},
      {{"diagram", good, "--support", "12", "--catalog", cut}, 0, "is cut short"},
      {{"profile", good, "--catalog", aFolder}, 1, "error: File access denied (file \"" + aFolder + "\")"},
      {{"diagram", good, "--support", "12", "--catalog", aFolder}, 1, "File access denied (file"},
      {{"profile", noAngle, "--catalog", wires}, 1, "error: support 1 \"12\": Angle Alfa(р) = 0"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(picture);
    std::vector<std::string> words = c.words;
    words.insert(words.end(), {"--lang", "en", "-o", picture});
    const CommandRun run = RunOrvane(words);
    EXPECT_EQ(run.status, c.status) << words[0] << "\n" << run.err;
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    EXPECT_EQ(std::filesystem::exists(picture), c.status == 0 || words[1] == noAngle) << run.err;
  }
}

}  // namespace
