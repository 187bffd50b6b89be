// What the command line does with files that would be destroyed, damaged or
// too large, and what its messages say about them. The cases that need POSIX
// special files, links, permissions or a shell are left out on Windows.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

#include "base/atomic_file.h"
#include "cli_test_support.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "xls/workbook.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::cli;
using namespace orv::settings;

namespace fs = std::filesystem;

namespace {

constexpr auto npos = std::string::npos;

class Reliability : public testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathFromUtf8(folder.File(name)), std::ios::binary) << bytes;
    return folder.File(name);
  }
  // A file of `size` bytes that takes no room on the disk.
  std::string Sparse(const std::string& name, std::uintmax_t size) const {
    const std::string path = Write(name, "");
    fs::resize_file(path, size);
    return path;
  }

  CliTempFolder folder;
  std::string project = WriteProject(folder, "p.orv", ExampleProject());
  std::string catalogue = WriteCatalogue(folder, "c.dat", {ExampleWire()});
  std::string dastrel =
      Write("c.dtr", CliReadBytes(std::string(ORVANE_TEST_DATA) + "/dastrel/newer_form.dtr"));
  std::string text = Write("t.txt", ExampleWire().WireName + ";8.4;43;0.148;8250;1.9e-05;1\r\n");
};

#ifndef _WIN32
TEST_F(Reliability, AnOutputThatIsAnInputIsRefusedAndNothingChanges) {
  const std::string link = folder.File("link.orv"), hard = folder.File("hard.dat");
  fs::create_symlink(project, link);
  fs::create_hard_link(catalogue, hard);
  const struct {
    std::vector<std::string> words;
    std::string kept;
  } cases[] = {
      {{"report", project, "-o", project, "--catalog", catalogue}, project},
      {{"report", project, "-o", folder.Path() + "/./p.orv", "--catalog", catalogue}, project},
      {{"report", project, "-o", link, "--catalog", catalogue}, project},
      {{"report", project, "-o", catalogue, "--catalog", catalogue}, catalogue},
      {{"report", project, "-o", hard, "--catalog", catalogue}, catalogue},
      {{"climate", project, "--from", dastrel, "-o", dastrel}, dastrel},
      {{"catalog", "import", text, "-o", text}, text},
      {{"catalog", "export", catalogue, "-o", hard}, catalogue},
  };
  for (const auto& c : cases) {
    const std::string before = CliReadBytes(c.kept);
    const CommandRun run = RunOrvane(c.words);
    EXPECT_EQ(run.status, 1) << c.words[0] << " -o " << c.words[3];
    EXPECT_NE(run.err.find("is the input file"), npos) << run.err;
    EXPECT_EQ(CliReadBytes(c.kept), before) << c.words[0] << " -o " << c.words[3];
  }
}

// The templates, the shipped catalogue and the desktop's catalogue are inputs
// of the program itself, whatever command writes and however it names them.
TEST_F(Reliability, TheProgramsOwnFilesAreNeverAnOutput) {
  FixedFolders folders;
  folders.programFolder = folder.File("program") + "/";
  folders.sharedDataFolder = folder.File("data") + "/";
  fs::create_directories(folder.File("program/Forms"));
  fs::create_directories(folder.File("data"));
  const std::string form = Write("program/Forms/FormLoadN_ru.xls", "template");
  const std::string english = Write("program/Forms/FormLoad_en.xls", "template");
  const std::string shipped = Write("program/base_provod.dat", "shipped");
  const std::string inUse = Write("data/base_provod.dat", "in use");
  fs::create_symlink(form, folder.File("form.xls"));
  SetFolders(&folders);
  const struct {
    std::vector<std::string> words;
    std::string kept;
  } cases[] = {
      {{"report", project, "--catalog", catalogue, "-o", folder.File("form.xls")}, form},
      {{"report", project, "--catalog", catalogue, "-o", folder.File("program/Forms/../Forms/FormLoadN_ru.xls")},
       form},
      {{"climate", project, "--from", dastrel, "-o", shipped}, shipped},
      {{"catalog", "import", text, "-o", english}, english},
      {{"catalog", "export", catalogue, "-o", inUse}, inUse},
  };
  for (const auto& c : cases) {
    const std::string before = CliReadBytes(c.kept);
    const CommandRun run = RunOrvane(c.words);
    EXPECT_EQ(run.status, 1) << c.words.back();
    EXPECT_NE(run.err.find("is the input file \"" + c.kept + "\""), npos) << run.err;
    EXPECT_EQ(CliReadBytes(c.kept), before) << c.words.back();
  }
  SetFolders(nullptr);
}

#endif  // _WIN32

// An export that read back differently would move the figures of a wire.
TEST_F(Reliability, ExportRefusesARecordTheTextCannotHold) {
  const struct {
    const char* name;
    const char* shown;
  } cases[] = {
      {"X;1;2", "Record 2 \"X;1;2\""}, {"A\r\nB", "Record 2 \"A\\x0d\\x0aB\""}, {"", "Record 2 \"\""}};
  for (const auto& c : cases) {
    const std::string bad = WriteCatalogue(folder, "bad.dat", {ExampleWire(), ExampleWire(c.name)});
    const std::string out = folder.File("out.txt");
    const CommandRun run = RunOrvane({"catalog", "export", bad, "-o", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(std::string(c.shown) + " cannot be exported"), npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
  }
}

#ifndef _WIN32
TEST_F(Reliability, OversizedAndSpecialInputsAreRefusedUnread) {
  const std::string fifo = folder.File("fifo.orv");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::vector<std::string> words;
    std::string said;
  } cases[] = {
      {{"calc", Sparse("big.orv", 2048 * kMebibyte)}, "is larger than 64 MiB"},
      {{"calc", "/dev/zero"}, "\"/dev/zero\" is not read: it is not a regular file"},
      {{"calc", fifo}, "it is not a regular file"},
      {{"calc", project, "--catalog", Sparse("big.dat", 17 * kMebibyte)}, "is larger than 16 MiB"},
      {{"catalog", "import", Sparse("big.txt", 17 * kMebibyte), "-o", folder.File("x.dat")},
       "larger than 16 MiB"},
      {{"climate", project, "--from", Sparse("big.dtr", 65 * kMebibyte), "-o", folder.File("x.orv")},
       "is larger than 64 MiB"},
  };
  for (const auto& c : cases) {
    const CommandRun run = RunOrvane(c.words);
    EXPECT_EQ(run.status, 1) << c.words[1];
    EXPECT_NE(run.err.find(c.said), npos) << run.err;
  }
  EXPECT_FALSE(fs::exists(folder.File("x.dat")));
}

// A protected output stays, a link is written through, and every refusal
// names the file and says why in words.
TEST_F(Reliability, OutputsAreWrittenOnlyWhereTheyMayBe) {
  const std::string locked = Write("locked.txt", "kept");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
  fs::create_directory(folder.File("folder.txt"));
  const std::string real = Write("real.txt", "old"), link = folder.File("link.txt");
  fs::create_symlink(real, link);
  const std::string longName = folder.File(std::string(300, 'n') + ".txt");
  const struct {
    std::string output;
    std::string said;  // empty: written
  } cases[] = {
      {locked, "File access denied (the file is read-only)"},
      {folder.File("folder.txt"), "File access denied (Is a directory)"},
      {"/dev/null", "File access denied (Not a regular file)"},
      {folder.File("missing/out.txt"), "File not found (No such file or directory)"},
      {longName, "(File name too long)"},
      {link, ""},
      {folder.File(std::string(250, 'l') + ".txt"), ""},
  };
  for (const auto& c : cases) {
    const CommandRun run = RunOrvane({"catalog", "export", catalogue, "-o", c.output});
    if (c.said.empty()) {
      EXPECT_EQ(run.status, 0) << run.err;
      continue;
    }
    EXPECT_EQ(run.status, 1) << c.output;
    EXPECT_NE(run.err.find("\"" + c.output + "\" cannot be written: "), npos) << run.err;
    EXPECT_NE(run.err.find(c.said), npos) << run.err;
  }
  EXPECT_EQ(CliReadBytes(locked), "kept");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(CliReadBytes(real), CliReadBytes(folder.File(std::string(250, 'l') + ".txt")));
  std::size_t entries = 0;
  for (const auto& entry : fs::directory_iterator(folder.Path()))
    entries += entry.path().filename().string().starts_with(".orvane-");
  EXPECT_EQ(entries, 0u) << "a temporary file was left";
}

#endif  // _WIN32

// Output that did not reach the disk is a failure, in every format, naming
// the output and why.
TEST_F(Reliability, CalcOnAFullDiskEndsWithStatusOne) {
  std::filebuf full;
  if (!full.open("/dev/full", std::ios::out)) GTEST_SKIP() << "no /dev/full";
  for (const char* format : {"text", "json", "csv"}) {
    std::ostringstream err;
    std::streambuf* oldOut = std::cout.rdbuf(&full);
    std::streambuf* oldErr = std::cerr.rdbuf(err.rdbuf());
    const int status = RunCommandLine({"orvane", "calc", project, "--catalog", catalogue, "--lang", "en", "--format", format});
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    EXPECT_EQ(status, 1) << format;
    EXPECT_NE(err.str().find("\"standard output\" cannot be written: I/O error 28 (No space left on device)"),
              npos)
        << err.str();
  }
}

// File content in a message is short and cannot drive the terminal.
TEST_F(Reliability, QuotedFileContentIsShortAndEscaped) {
  std::string bytes = CliReadBytes(project);
  const std::string first = bytes.substr(0, bytes.find("\r\n"));
  bytes.replace(0, first.size(), "\x1b]0;owned\a\x1b[2J" + std::string("\0", 1) + std::string(500, '9'));
  const CommandRun run = RunOrvane({"calc", Write("escape.orv", bytes)});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.find('\x1b'), npos);
  EXPECT_NE(run.err.find("'\\x1b]0;owned\\x07\\x1b[2J\\x00999"), npos) << run.err;
  EXPECT_LT(run.err.size(), 300u) << run.err;
}

#ifndef _WIN32
// A closed output and a reader that has gone (SIGPIPE ignored, as some
// callers leave it) are named and explained.
TEST_F(Reliability, ALostStandardOutputIsNamedAndExplained) {
  const std::string calc = "'" + std::string(ORVANE_PROGRAM_DIR) + "/orvane' calc '" + project +
                           "' --catalog '" + catalogue + "' --lang en 2>'" + folder.File("err.txt") + "'";
  const struct {
    std::string shell;
    const char* said;
  } cases[] = {
      {calc + " >&-", "The output \"standard output\" cannot be written: it is closed"},
      {"trap '' PIPE; (sleep 0.3; " + calc + "; echo \\$? >'" + folder.File("status.txt") + "') | true",
       "The output \"standard output\" cannot be written: the program reading it has ended (broken pipe)"},
  };
  for (const auto& c : cases) {
    const int status = std::system(("sh -c \"" + c.shell + "\"").c_str());
    const int exit = fs::exists(folder.File("status.txt"))
                         ? std::stoi(CliReadBytes(folder.File("status.txt")))
                         : WEXITSTATUS(status);
    EXPECT_EQ(exit, 1) << c.shell;
    EXPECT_NE(CliReadBytes(folder.File("err.txt")).find(c.said), npos)
        << CliReadBytes(folder.File("err.txt"));
  }
}

// The report through the program itself, beside a copy of its templates.
class ReportReliability : public Reliability {
 protected:
  void SetUp() override {
    fs::create_directories(program / "Forms");
    fs::copy_file(fs::path(ORVANE_PROGRAM_DIR) / "orvane", program / "orvane");
    for (const char* name : {"FormLoad_en.xls", "FormLoadN_en.xls", "FormLoad_ru.xls", "FormLoadN_ru.xls"})
      fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "forms" / name, program / "Forms" / name);
  }
  int Report(const std::string& projectPath, std::string& err) const {
    const std::string command = "cd '" + program.string() + "' && ORVANE_DATA_DIR=data ./orvane report '" +
                                projectPath + "' -o '" + folder.File("out.xls") + "' --catalog '" +
                                catalogue + "' --lang en --units daN >/dev/null 2>err.txt";
    const int status = std::system(command.c_str());
    err = CliReadBytes((program / "err.txt").string());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  fs::path program = fs::path(folder.Path()) / "program";
};

TEST_F(ReportReliability, ADamagedTemplateIsRefusedNamingItsRecord) {
  const fs::path form = program / "Forms" / "FormLoad_en.xls";
  std::string bytes = CliReadBytes(form.string());
  const std::size_t cell = bytes.find(std::string("\xFD\x00\x0A\x00", 4));  // LABELSST
  ASSERT_NE(cell, npos);
  bytes[cell + 8] = static_cast<char>(203);
  bytes[cell + 9] = 0;
  std::ofstream(form, std::ios::binary | std::ios::trunc) << bytes;
  std::string err;
  EXPECT_EQ(Report(project, err), 1);
  EXPECT_NE(err.find("\\Forms\\FormLoad_en.xls."), npos) << err;
  EXPECT_NE(err.find("names cell style 203, but the workbook has"), npos) << err;
  EXPECT_FALSE(fs::exists(folder.File("out.xls")));
}

// As calc: the report is written, and the status says a support gave no result.
TEST_F(ReportReliability, ASupportWithoutResultEndsWithStatusOne) {
  TProject withDataError = ExampleProject();
  TPillar zeroAngle = withDataError.Pillars.Items(0);
  zeroAngle.SupportNumber = "2";
  zeroAngle.AlfaP = 0;
  withDataError.Pillars.Add(zeroAngle);
  std::string err;
  EXPECT_EQ(Report(project, err), 0) << err;
  EXPECT_EQ(Report(WriteProject(folder, "mixed.orv", withDataError), err), 1);
  xls::XlsWorkbook book;
  book.Open(folder.File("out.xls"));
  EXPECT_EQ(book.SheetCount(), 3);  // both supports and the summary
}

#endif  // _WIN32

}  // namespace
