#include "base/atomic_file.h"

#include <gtest/gtest.h>

#ifdef _WIN32
// Permissions do not stop writes on Windows: the tests that need them skip as
// they do for root.
inline int geteuid() { return 0; }
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>

#include "base/errors.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

std::size_t FileCount(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const OrvError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(WriteFileAtomically, WritesAndReplacesWholeFiles) {
  TempFolder folder;
  std::string path = folder.File("project.orv");
  const std::string contents[] = {"first\r\n", std::string("\0\xFF\r\n", 4), "", std::string(300000, 'x'),
                                  "last"};
  for (const std::string& bytes : contents) {
    WriteFileAtomically(path, bytes);
    EXPECT_EQ(ReadWholeFile(path), bytes);
    EXPECT_EQ(FileCount(folder.Path()), 1u) << "a temporary file was left behind";
  }
}

TEST(WriteFileAtomically, CyrillicFileName) {
  TempFolder folder;
  std::string path = folder.File("Линия.orv");
  WriteFileAtomically(path, "x");
  EXPECT_EQ(ReadWholeFile(path), "x");
}

TEST(WriteFileAtomically, FailureLeavesTheOldFileAndNoTemporary) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  TempFolder folder;
  std::string path = folder.File("catalogue.dat");
  WriteFileAtomically(path, "old contents");
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  std::string message = MessageOf([&] { WriteFileAtomically(path, "new contents"); });
  fs::permissions(folder.Path(), fs::perms::owner_all);
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find("File access denied"), std::string::npos) << message;
  EXPECT_EQ(ReadWholeFile(path), "old contents");
  EXPECT_EQ(FileCount(folder.Path()), 1u);
}

// The rename fails when the target is a folder: the temporary file must go
// and the folder stay as it was.
TEST(WriteFileAtomically, FailuresNameTheFileAndCleanUp) {
  TempFolder folder;
  fs::create_directory(folder.Path() / "occupied");
  WriteFileAtomically(folder.File("occupied/inner"), "kept");
  const std::string paths[] = {folder.File("no such folder/p.orv"), folder.File("occupied")};
  for (const std::string& path : paths) {
    std::string message = MessageOf([&] { WriteFileAtomically(path, "x"); });
    EXPECT_NE(message.find("\"" + path + "\""), std::string::npos) << message;
  }
  EXPECT_EQ(FileCount(folder.Path()), 1u);
  EXPECT_EQ(ReadWholeFile(folder.File("occupied/inner")), "kept");
}

TEST(ReadWholeFile, ReportsTheFileLayersMessages) {
  TempFolder folder;
  EXPECT_EQ(MessageOf([&] { ReadWholeFile(folder.File("missing.orv")); }), "File not found");
  EXPECT_EQ(MessageOf([&] { ReadWholeFile(folder.File("missing/inner.orv")); }), "File not found");
  EXPECT_EQ(MessageOf([&] { ReadWholeFile(folder.Path().string()); }), "File access denied");
}

TEST(ReadWholeFile, UnreadableFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  TempFolder folder;
  std::string path = folder.File("locked.orv");
  WriteFileAtomically(path, "x");
  fs::permissions(path, fs::perms::none);
  EXPECT_EQ(MessageOf([&] { ReadWholeFile(path); }), "File access denied");
}

}  // namespace
