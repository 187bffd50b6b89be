#include <gtest/gtest.h>

#include "platform/file_dialogs.h"
#include "platform/qt_file_dialogs.h"
#include "platform/scripted_file_dialogs.h"

using namespace orv::platform;

namespace {

struct ExtensionCase {
  const char* path;
  const char* extension;
  const char* expected;
};

TEST(FileDialogExtension, TypedNameWithoutExtensionGetsTheDefault) {
  const ExtensionCase cases[] = {
      {"Route", "orv", "Route.orv"},
      {"/home/u/Route", "orv", "/home/u/Route.orv"},
      {"C:\\Projects\\Route", "orv", "C:\\Projects\\Route.orv"},
      {"Route.orv", "orv", "Route.orv"},
      {"Route.b", "orv", "Route.b"},            // has an extension of its own
      {"/a.dir/Route", "xls", "/a.dir/Route.xls"},  // a dot in the folder is not the file's
      {"C:\\a.dir\\Route", "xls", "C:\\a.dir\\Route.xls"},
      {"Route", "", "Route"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithDefaultExtension(c.path, c.extension), c.expected) << c.path;
  }
}

TEST(FileDialogFilter, PipeFiltersBecomeQtNameFilters) {
  const std::pair<const char*, const char*> cases[] = {
      {"*.orv|*.orv", "*.orv (*.orv)"},
      {"Excel file(*.xls)|*.xls;", "Excel file(*.xls) (*.xls)"},
      {"Texts|*.txt;*.csv|All|*", "Texts (*.txt *.csv);;All (*)"},
      {"Nothing|", ""},
      {"", ""},
  };
  for (const auto& [filter, expected] : cases) {
    EXPECT_EQ(QtNameFilters(filter).toStdString(), expected) << filter;
  }
}

class RunFileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { SetFileDialogs(&dialogs); }
  void TearDown() override { SetFileDialogs(nullptr); }
  ScriptedFileDialogs dialogs;
};

TEST_F(RunFileDialogTest, AnswersFromTheScriptInOrderAndRecordsRequests) {
  dialogs.answers = {std::string("/p/Route"), std::nullopt, std::string("")};
  FileDialogRequest save{FileDialogMode::Save, "Сохранение проекта - Orvane", "*.orv|*.orv", "orv", "/p", "old.orv"};

  EXPECT_EQ(RunFileDialog(save), std::optional<std::string>("/p/Route.orv"));
  EXPECT_EQ(RunFileDialog(save), std::nullopt);  // cancelled
  EXPECT_EQ(RunFileDialog(save), std::nullopt);  // an empty name chooses nothing
  EXPECT_EQ(RunFileDialog(save), std::nullopt);  // script exhausted: cancel

  ASSERT_EQ(dialogs.requests.size(), 4u);
  const FileDialogRequest& first = dialogs.requests.front();
  EXPECT_EQ(first.mode, FileDialogMode::Save);
  EXPECT_EQ(first.title, "Сохранение проекта - Orvane");
  EXPECT_EQ(first.filter, "*.orv|*.orv");
  EXPECT_EQ(first.defaultExtension, "orv");
  EXPECT_EQ(first.folder, "/p");
  EXPECT_EQ(first.fileName, "old.orv");
}

TEST(FileDialogStandIn, CancelsUntilAFrontEndInstallsDialogs) {
  SetFileDialogs(nullptr);
  EXPECT_EQ(RunFileDialog({FileDialogMode::Open, "t", "*.orv|*.orv", "orv", "", ""}), std::nullopt);
  EXPECT_NE(dynamic_cast<ScriptedFileDialogs*>(&GetFileDialogs()), nullptr);
}

}  // namespace
