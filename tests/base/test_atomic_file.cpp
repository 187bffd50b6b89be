#include <gtest/gtest.h>

#ifdef _WIN32
// Permissions do not stop writes on Windows: the tests that need them skip as
// they do for root.
inline int geteuid() { return 0; }
#else
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include <filesystem>
#include <fstream>
#include <functional>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/file_open.h"
#include "base/removed_on_stop.h"
#include "base/temporary_files.h"
#include "temp_folder.h"

using namespace orv::base;

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

#ifndef _WIN32
// In a shared folder like /tmp a link that another user planted is not
// followed; the user's own link, and one of the folder's owner, are.
TEST(WriteFileAtomically, ALinkAnotherUserPlantedInASharedFolderIsRefused) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
  TempFolder folder;
  const fs::path shared = folder.Path() / "shared";
  fs::create_directory(shared);
  fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
  WriteFileAtomically(folder.File("target.txt"), "kept");
  const struct {
    uid_t owner;
    bool refused;
  } cases[] = {{12345, true}, {geteuid(), false}};
  for (const auto& c : cases) {
    const fs::path link = shared / ("link" + std::to_string(c.owner));
    fs::create_symlink(folder.Path() / "target.txt", link);
    ASSERT_EQ(lchown(link.c_str(), c.owner, c.owner), 0);
    const std::string message = MessageOf([&] { WriteFileAtomically(link.string(), "replaced"); });
    if (c.refused) {
      EXPECT_NE(message.find("\"" + link.string() +
                             "\" cannot be written: File access denied (a link in a shared "
                             "folder that another user owns is not followed)"),
                std::string::npos)
          << message;
      EXPECT_EQ(ReadWholeFile(folder.File("target.txt")), "kept");
    } else {
      EXPECT_EQ(message, "(no error)");
      EXPECT_EQ(ReadWholeFile(folder.File("target.txt")), "replaced");
    }
  }
}
#endif

#ifndef _WIN32
// A stop while a temporary file is written removes it, and the signal still
// ends the program; a write that ended leaves nothing to remove.
TEST(WriteFileAtomically, AStopBySignalRemovesTheTemporaryBeingWritten) {
  TempFolder folder;
  const struct {
    int signal;
    bool written;  // the write ended before the signal came
  } cases[] = {{SIGTERM, false}, {SIGHUP, false}, {SIGINT, false}, {SIGTERM, true}};
  for (const auto& c : cases) {
    const fs::path temporary =
        folder.Path() / ("file-" + std::to_string(c.signal) + std::to_string(c.written));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::ofstream(temporary) << "half";
      {
        TRemovedOnStop stop;
        stop.Watch(temporary);
        if (!c.written) kill(getpid(), c.signal);
      }
      kill(getpid(), c.signal);
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << c.signal;
    EXPECT_EQ(fs::exists(temporary), c.written) << c.signal;
  }
}
#endif

// A killed write leaves its temporary file; a later write of the same target
// removes it once it is stale, and only it. A temporary that another run may
// still be writing (recent, or held) stays. A legal name of 254 bytes still
// leaves room for the temporary name.
TEST(WriteFileAtomically, TemporaryNamesAreShortAndOnlyStaleOnesGo) {
  TempFolder folder;
  const std::string path = folder.File(std::string(250, 'n') + ".orv");
  const auto old = fs::file_time_type::clock::now() - kStaleTemporaryAge - std::chrono::minutes(1);
  const struct {
    const char* what;
    std::string target;
    bool old, held, removed;
  } cases[] = {
      {"stale", path, true, false, true},
      {"being written", path, false, false, false},
      {"held by a run", path, true, true, false},
      {"of another target", folder.File("other.orv"), true, false, false},
  };
  std::vector<std::FILE*> held;
  std::vector<fs::path> temporaries;
  for (const auto& c : cases) {
    temporaries.push_back(TemporaryPathFor(PathFromUtf8(c.target)));
    std::ofstream(temporaries.back()) << "cut off";
    if (c.old) fs::last_write_time(temporaries.back(), old);
    if (c.held) held.push_back(OpenFile(temporaries.back(), "rb"));
    if (c.held) HoldWhileWriting(held.back());
  }
  EXPECT_LT(temporaries[0].filename().string().size(), 32u);
  WriteFileAtomically(path, "whole");
  EXPECT_EQ(ReadWholeFile(path), "whole");
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(fs::exists(temporaries[i]), !cases[i].removed) << cases[i].what;
  for (std::FILE* file : held) std::fclose(file);
  RemoveStaleTemporariesIn(folder.Path());
  EXPECT_FALSE(fs::exists(temporaries[2]));
  EXPECT_FALSE(fs::exists(temporaries[3]));
  EXPECT_TRUE(fs::exists(temporaries[1]));
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
