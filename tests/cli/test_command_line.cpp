#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "project/file/dastrel_import.h"

using namespace orv::project;
using namespace orv::cli;

namespace {

class Help : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(Help, PrintsTheUsageAndSucceeds) {
  const CommandRun help = RunOrvane(GetParam());
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_NE(help.out.find("orvane calc PROJECT.orv"), std::string::npos);
  EXPECT_NE(help.out.find("orvane climate PROJECT.orv --from FILE.dtr -o OUT.orv"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, Help,
                         testing::Values(std::vector<std::string>{"--help"},
                                         std::vector<std::string>{"calc", "-h"},
                                         std::vector<std::string>{"climate", "x.orv", "--help"}));

TEST(CommandLine, Version) {
  const CommandRun version = RunOrvane({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("orvane ", 0), 0u);
}

struct UsageCase {
  const char* name;
  std::vector<std::string> words;
  const char* message;
};

class UsageErrors : public testing::TestWithParam<UsageCase> {};

// Wrong usage says what is wrong, shows the usage, writes nothing and ends
// with status 2 before any file is read.
TEST_P(UsageErrors, StatusTwoWithMessageAndUsage) {
  const CommandRun run = RunOrvane(GetParam().words);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.rfind(std::string("orvane: ") + GetParam().message + "\n", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("usage:"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, UsageErrors,
    testing::Values(
        UsageCase{"UnknownCommand", {"frobnicate"}, "unknown command 'frobnicate'"},
        UsageCase{"CalcWithoutProject", {"calc"}, "calc needs exactly one project file"},
        UsageCase{"CalcWithTwoProjects", {"calc", "a.orv", "b.orv"}, "calc needs exactly one project file"},
        UsageCase{"CalcWithBadUnits",
                  {"calc", "a.orv", "--units", "kN"},
                  "invalid value 'kN' for --units (expected daN or N)"},
        UsageCase{"CalcWithBadFormat",
                  {"calc", "a.orv", "--format", "xml"},
                  "invalid value 'xml' for --format (expected text, json or csv)"},
        UsageCase{"CalcWithBadLanguage",
                  {"calc", "a.orv", "--lang=de"},
                  "invalid value 'de' for --lang (expected en or ru)"},
        UsageCase{"CalcWithLanguageTwice",
                  {"calc", "a.orv", "--lang", "en", "--lang", "ru"},
                  "option --lang given more than once"},
        UsageCase{
            "CalcWithoutCatalogueName", {"calc", "a.orv", "--catalog"}, "option --catalog needs a value"},
        UsageCase{"ClimateWithoutFrom", {"climate", "a.orv", "-o", "b.orv"}, "climate needs --from FILE.dtr"},
        UsageCase{
            "ClimateWithoutOutput", {"climate", "a.orv", "--from", "c.dtr"}, "climate needs -o OUT.orv"},
        UsageCase{"ClimateWithOpen", {"climate", "a.orv", "--open"}, "unknown option --open"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST(CommandLine, NoCommandIsWrongUsage) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunCommandLine({"orvane"}), 2);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("usage:"), std::string::npos);
}

class ClimateCommand : public testing::Test {
 protected:
  std::string Dastrel(const char* name) { return std::string(ORVANE_TEST_DATA) + "/dastrel/" + name; }
  CliTempFolder folder_;
};

TEST_F(ClimateCommand, WritesTheProjectWithTheDastrelClimate) {
  const TProject source = ExampleProject();
  const std::string project = WriteProject(folder_, "Example.orv", source);
  const std::string before = CliReadBytes(project);
  const std::string out = folder_.File("Out.orv");
  const CommandRun run = RunOrvane({"climate", project, "--from", Dastrel("newer_form.dtr"), "-o", out});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(CliReadBytes(project), before);
  TProject expected;
  expected.Assign(source);
  ImportDastrelClimate(expected, Dastrel("newer_form.dtr"));
  TProject written;
  LoadProjectFile(out, written);
  expected.KlimatKoef.SupportHeight = 15;  // the project file does not keep it
  EXPECT_TRUE(written.Equals(expected));
  EXPECT_EQ(written.KlimatKoef.WireHeight, 10);
}

// Like every command, it writes over none of its inputs.
TEST_F(ClimateCommand, RefusesToOverwriteTheProjectItself) {
  const std::string project = WriteProject(folder_, "Example.orv", ExampleProject());
  const std::string before = CliReadBytes(project);
  const CommandRun run = RunOrvane({"climate", project, "--from", Dastrel("older_form.dtr"), "-o", project});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
  EXPECT_EQ(CliReadBytes(project), before);
}

// A Dastrel file that fails leaves no output and an existing one untouched.
TEST_F(ClimateCommand, FailedImportWritesNothing) {
  const std::string project = WriteProject(folder_, "Example.orv", ExampleProject());
  const std::string broken = folder_.File("broken.dtr");
  std::ofstream(broken, std::ios::binary) << "version 3.4\r\nx\r\ny\r\n-5\r\nwarm\r\n";
  const std::string out = folder_.File("Out.orv");
  std::ofstream(out, std::ios::binary) << "old";
  const CommandRun run = RunOrvane({"climate", project, "--from", broken, "-o", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "error: 'warm' is not a valid floating point value (file \"" + broken + "\", line 5)\n");
  EXPECT_EQ(CliReadBytes(out), "old");
}

}  // namespace
