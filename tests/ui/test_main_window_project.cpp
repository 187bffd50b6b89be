// The project commands and the close sequence of the main window, driven
// through its actions with the save prompt, the file dialogs and the message
// boxes answered by script.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <filesystem>
#include <fstream>
#include <optional>

#include "calc/klimat.h"
#include "project/file/project_file.h"
#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/frames/frm_klimat.h"
#include "ui/results/supports_view.h"
#include "widgets/navigation_label.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::platform;
using namespace orv::widgets;

namespace {

constexpr const char* kQuitQuestion = "Are you sure you would like to quit the program?";
constexpr const char* kFileSaved = "File is successfully saved.";
constexpr const char* kSaveQuestion = "Changes have been done to the project.\r\nSave the project?";

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST_F(MainWindowTest, FreshStartThenQuitAsksOnlyTheQuitQuestion) {
  bool closed = false;
  Main().AttachClosedHandler([&] { closed = true; });
  TModalScript script;
  Action("ActExit")->trigger();
  ProcessEvents();

  EXPECT_TRUE(script.seen.empty()) << "an untouched new project is not modified";
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, kQuitQuestion);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(Main().isVisible());
}

struct QuitCase {
  const char* name;
  MessageAnswer saveAnswer;               // Yes: Save, No: Don't save, or Cancel
  std::optional<std::string> fileAnswer;  // nullopt: the save dialog is cancelled
  MessageAnswer quitAnswer;
  bool quitAsked;
  bool running;
  bool saved;
};

void PrintTo(const QuitCase& c, std::ostream* out) { *out << c.name; }

class QuitSequenceTest : public MainWindowTest, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitSequenceTest, SavePromptFileDialogAndQuitQuestion) {
  const QuitCase& c = GetParam();
  bool closed = false;
  Main().AttachClosedHandler([&] { closed = true; });
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  messages.answers.push_back(c.saveAnswer);
  fileDialogs.answers.push_back(c.fileAnswer ? std::optional(ScratchPath(*c.fileAnswer)) : std::nullopt);
  messages.answers.push_back(c.quitAnswer);

  Action("ActExit")->trigger();
  ProcessEvents();

  std::vector<std::string> expected{kSaveQuestion};
  if (c.saved) expected.push_back(kFileSaved);
  if (c.quitAsked) expected.push_back(kQuitQuestion);
  EXPECT_EQ(MessageTexts(), expected);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_EQ(closed, !c.running);
  EXPECT_EQ(c.fileAnswer && std::filesystem::exists(ScratchPath(*c.fileAnswer)), c.saved);
  if (c.running) {
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(Main().IsModified(), !c.saved);
    EXPECT_EQ(Main().Document().Project().Klimat.IceThickness, 7.5);
  }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, QuitSequenceTest,
    ::testing::Values(
        // Save, then a cancelled file dialog: nothing is saved, so nothing ends.
        QuitCase{"SaveThenCancelledDialogKeepsRunning", MessageAnswer::Yes, std::nullopt, MessageAnswer::Yes,
                 false, true, false},
        // The answer to the save question is the answer to closing: no
        // second question follows it.
        QuitCase{"SaveThenFileCloses", MessageAnswer::Yes, "quit.orv", MessageAnswer::No, false, false, true},
        QuitCase{"DontSaveCloses", MessageAnswer::No, std::nullopt, MessageAnswer::No, false, false, false},
        QuitCase{"CancelKeepsRunning", MessageAnswer::Cancel, std::nullopt, MessageAnswer::Yes, false, true,
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, FrameEditThenNewPromptsAndDontSaveStartsFromDefaults) {
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  messages.answers.push_back(MessageAnswer::No);

  Action("ActProjectNew")->trigger();
  ProcessEvents();

  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kSaveQuestion});
  const TKlimat defaults;
  EXPECT_EQ(Main().Document().Project().Klimat.IceThickness, defaults.IceThickness);
  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tols")->Value(), defaults.IceThickness);
  EXPECT_FALSE(Main().IsModified());
  EXPECT_TRUE(Label("PanelProjectName")->text().isEmpty());
}

TEST_F(MainWindowTest, OpenWhileSupportsAreShownShowsTheFileAndLeavesItUnmodified) {
  const std::string path = WriteSample("Route.b.orv", SampleProject(3));
  ClickWidget(*Lab(3));
  ASSERT_EQ(Pages()->currentIndex(), 2);
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");  // typed, then left for the supports
  ClickWidget(*Lab(3));
  messages.answers.push_back(MessageAnswer::No);
  fileDialogs.answers.push_back(path);

  Action("ActProjectOpen")->trigger();
  ProcessEvents();

  ASSERT_EQ(fileDialogs.requests.size(), 1u);
  const FileDialogRequest& request = fileDialogs.requests[0];
  EXPECT_EQ(request.mode, FileDialogMode::Open);
  EXPECT_EQ(request.title, "Open project - Orvane");
  EXPECT_EQ(request.filter, "Project|*.orv");
  EXPECT_EQ(request.defaultExtension, "orv");
  EXPECT_EQ(request.folder, folders.programFolder + "Projects/");

  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kSaveQuestion});
  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tols")->Value(), 25);
  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "TMin")->Value(), -45.5);
  EXPECT_EQ(Pages()->currentIndex(), 2);
  EXPECT_FALSE(Main().IsModified());
  EXPECT_EQ(Main().Document().FileName(), path);
  EXPECT_EQ(Label("PanelProjectName")->text().toStdString(), "Project: Route");
  ASSERT_EQ(Grid()->RowCount(), 3);
  EXPECT_EQ(Grid()->Cell(0, 2), "P3");
  EXPECT_EQ(Main().CurrentRow(), 0);
  EXPECT_TRUE(Action("ActPillarDelete")->isEnabled());
}

struct FailedOpenCase {
  const char* name;
  std::optional<std::string> content;  // nullopt: the file does not exist
  const char* messagePart;
};

void PrintTo(const FailedOpenCase& c, std::ostream* out) { *out << c.name; }

class FailedOpenTest : public MainWindowTest, public ::testing::WithParamInterface<FailedOpenCase> {};

TEST_P(FailedOpenTest, KeepsTheOldProjectNameAndPanel) {
  const std::string good = WriteSample("Route.orv", SampleProject(2));
  fileDialogs.answers.push_back(good);
  Action("ActProjectOpen")->trigger();
  const TProject before = [&] {
    TProject copy;
    copy.Assign(Main().Document().Project());
    return copy;
  }();

  const std::string bad = ScratchPath("Broken.orv");
  if (GetParam().content) std::ofstream(bad, std::ios::binary) << *GetParam().content;
  fileDialogs.answers.push_back(bad);
  Action("ActProjectOpen")->trigger();
  ProcessEvents();

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
  EXPECT_NE(messages.shown[0].text.find(GetParam().messagePart), std::string::npos) << messages.shown[0].text;
  EXPECT_EQ(Main().Document().FileName(), good);
  EXPECT_EQ(Label("PanelProjectName")->text().toStdString(), "Project: Route");
  EXPECT_TRUE(Main().Document().Project().Equals(before));
  EXPECT_EQ(Grid()->RowCount(), 2);
  EXPECT_FALSE(Main().IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, FailedOpenTest,
    ::testing::Values(FailedOpenCase{"Missing", std::nullopt, "File not found"},
                      FailedOpenCase{"NotANumber", std::string("thick\r\n"), "is not a valid"},
                      FailedOpenCase{"CutShort", std::string("10\r\n25\r\n"), "is not a valid"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, SaveOfAnUnnamedProjectAsksForANameAndCancelChangesNothing) {
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  Action("ActProjectSave")->trigger();

  ASSERT_EQ(fileDialogs.requests.size(), 1u);
  EXPECT_EQ(fileDialogs.requests[0].mode, FileDialogMode::Save);
  EXPECT_EQ(fileDialogs.requests[0].title, "Save project - Orvane");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(Main().Document().FileName().empty());
  EXPECT_TRUE(Label("PanelProjectName")->text().isEmpty());
  EXPECT_TRUE(Main().IsModified());
}

TEST_F(MainWindowTest, SaveUnderATypedNameWritesTheFileAndNamesTheProject) {
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  fileDialogs.answers.push_back(ScratchPath("Line7"));
  Action("ActProjectSave")->trigger();

  const std::string path = ScratchPath("Line7.orv");
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kFileSaved});
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(Main().Document().FileName(), path);
  EXPECT_EQ(Label("PanelProjectName")->text().toStdString(), "Project: Line7");
  EXPECT_FALSE(Main().IsModified());
  TProject reread;
  LoadProjectFile(path, reread);
  EXPECT_EQ(reread.Klimat.IceThickness, 7.5);

  // A second Save writes under the name without asking again.
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "8");
  Action("ActProjectSave")->trigger();
  EXPECT_EQ(fileDialogs.requests.size(), 1u);
  LoadProjectFile(path, reread);
  EXPECT_EQ(reread.Klimat.IceThickness, 8);
}

TEST_F(MainWindowTest, FailedSaveAsKeepsTheProjectModifiedTheOldNameAndTheOldFile) {
  const std::string path = WriteSample("Route.orv", SampleProject(1));
  const std::string original = ReadFile(path);
  fileDialogs.answers.push_back(path);
  Action("ActProjectOpen")->trigger();
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");

  fileDialogs.answers.push_back(ScratchPath("no such folder/Other.orv"));
  Action("ActProjectSaveAs")->trigger();

  ASSERT_EQ(fileDialogs.requests.size(), 2u);
  EXPECT_EQ(fileDialogs.requests[1].fileName, path) << "Save as proposes the current name";
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(Main().Document().FileName(), path);
  EXPECT_EQ(Label("PanelProjectName")->text().toStdString(), "Project: Route");
  EXPECT_TRUE(Main().IsModified());
  EXPECT_EQ(ReadFile(path), original);
}

TEST_F(MainWindowTest, AFailedSaveWhileQuittingKeepsTheProgramRunning) {
  bool closed = false;
  Main().AttachClosedHandler([&] { closed = true; });
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "7.5");
  messages.answers.push_back(MessageAnswer::Yes);
  fileDialogs.answers.push_back(ScratchPath("no such folder/Quit.orv"));

  Action("ActExit")->trigger();
  ProcessEvents();

  ASSERT_EQ(messages.shown.size(), 2u) << "the quit question is not asked after the failure";
  EXPECT_EQ(messages.shown[1].kind, MessageKind::Error);
  EXPECT_FALSE(closed);
  EXPECT_TRUE(Main().isVisible());
  EXPECT_TRUE(Main().IsModified());
}
