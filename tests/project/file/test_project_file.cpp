#include <gtest/gtest.h>

#include <limits>

#include "base/errors.h"
#include "project/model/project.h"
#include "settings/localization.h"
#include "project/test_project_support.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace {

std::string SaveText(TProject& project) {
  std::string file;
  project.SaveToText(file);
  return file;
}

TProject LoadText(const std::string& text) {
  TProject project;
  TextLineReader file(text);
  project.LoadFromText(file);
  return project;
}

// A project with one support whose 22 lines are `block`.
std::string OneSupportFile(const std::vector<std::string>& block) {
  std::vector<std::string> lines = NewProjectLines();
  lines.back() = "1";
  lines.insert(lines.end(), block.begin(), block.end());
  return CrLfLines(lines);
}

std::vector<std::string> DefaultBlock() {
  return {"",  "",    "1",   "0", "0", "0", "0", "0", "0", "0", "0",
          "0", "0;0", "0;0", "0", "0", "0", "0", "0", "0", "0", "1"};
}

TEST(ProjectFile, NewProjectIsTheEighteenLinesAndReadsBackEqual) {
  TProject project;
  const std::string text = SaveText(project);
  EXPECT_EQ(text, CrLfLines(NewProjectLines()));
  EXPECT_TRUE(LoadText(text).Equals(TProject()));
}

TEST(ProjectFile, DefaultSupportIsFortyLines) {
  TProject project;
  project.Pillars.Add(TPillar());
  std::vector<std::string> expected = NewProjectLines();
  expected.back() = "1";
  for (const std::string& line : DefaultBlock()) expected.push_back(line);
  EXPECT_EQ(SaveText(project), CrLfLines(expected));
  EXPECT_EQ(expected.size(), 40u);
}

TEST(ProjectFile, SupportBlockInFileOrder) {
  TProject project;
  project.Pillars.Add(SampleSupport());
  const std::string text = SaveText(project);
  const std::string block = CrLfLines(
      {"12\xE0", "\xC0\xD1 70/11", "2",      "101.25", "100.5", "99.75", "2.5", "210", "190.5", "200", "5.4",
       "50",     "12.5;0",         "8.25;0", "20",     "19.5",  "21",    "45",  "10",  "60",    "7",   "0"});
  ASSERT_GE(text.size(), block.size());
  EXPECT_EQ(text.substr(text.size() - block.size()), block);
}

TEST(ProjectFile, ClimateAndCoefficientsInFileOrder) {
  TProject project;
  project.Klimat = SampleKlimat();
  project.KlimatKoef = SampleKoef();
  EXPECT_EQ(SaveText(project),
            CrLfLines({"-4", "-5.125", "38.25", "-45", "20.5", "1.2345678901234", "32", "15.75", "1.1", "1.2",
                       "1.3", "1.4", "1.5", "1.6", "0.123456789012345", "27", "2", "0"}));
  const TProject read = LoadText(SaveText(project));
  EXPECT_EQ(read.KlimatKoef.SupportHeight, 15);
  project.KlimatKoef.SupportHeight = 15;
  EXPECT_TRUE(read.Equals(project));
}

struct LimitCase {
  const char* name;
  int32_t mode;
  double stressMax, stressAverage;
  int32_t tensionMax, tensionAverage;
  const char* line13;
  const char* line14;
  int32_t readMode;
  double readStressMax, readStressAverage;
  int32_t readTensionMax, readTensionAverage;
};

class LimitPairs : public testing::TestWithParam<LimitCase> {};

// Saving settles the pair the mode does not use, in the project itself; the
// mode comes back from the tension alone.
TEST_P(LimitPairs, WrittenSettledAndReadBack) {
  const LimitCase& c = GetParam();
  TProject project;
  TPillar support;
  support.TensionMode = c.mode;
  support.StressMax = c.stressMax;
  support.StressAverage = c.stressAverage;
  support.TensionMax = c.tensionMax;
  support.TensionAverage = c.tensionAverage;
  project.Pillars.Add(support);
  const std::string text = SaveText(project);
  EXPECT_NE(text.find(std::string("\r\n") + c.line13 + "\r\n" + c.line14 + "\r\n"), std::string::npos);
  const TPillar& settled = project.Pillars.Items(0);
  EXPECT_EQ(settled.StressMax, c.readStressMax);
  EXPECT_EQ(settled.StressAverage, c.readStressAverage);
  EXPECT_EQ(settled.TensionMax, c.readTensionMax);
  EXPECT_EQ(settled.TensionAverage, c.readTensionAverage);
  const TPillar read = LoadText(text).Pillars.Items(0);
  EXPECT_EQ(read.TensionMode, c.readMode);
  EXPECT_EQ(read.StressMax, c.readStressMax);
  EXPECT_EQ(read.StressAverage, c.readStressAverage);
  EXPECT_EQ(read.TensionMax, c.readTensionMax);
  EXPECT_EQ(read.TensionAverage, c.readTensionAverage);
}

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, LimitPairs,
    testing::Values(LimitCase{"Stresses", 0, 9, 4, 1500, 800, "9;0", "4;0", 0, 9, 4, 0, 0},
                    LimitCase{"Tensions", 1, 9, 4, 1500, 800, "0;1500", "0;800", 1, 0, 0, 1500, 800},
                    LimitCase{"TensionsWithZeroMax", 1, 9, 4, 0, 800, "0;0", "0;800", 0, 0, 0, 0, 800},
                    LimitCase{"FractionalStresses", 0, 12.75, 0.5, 0, 0, "12.75;0", "0.5;0", 0, 12.75, 0.5, 0,
                              0}),
    [](const testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

struct LineCase {
  const char* name;
  const char* line13;
  const char* line14;
  double stressMax, stressAverage;
  int32_t tensionMax, tensionAverage, mode;
};

class LimitLines : public testing::TestWithParam<LineCase> {};

TEST_P(LimitLines, Read) {
  const LineCase& c = GetParam();
  std::vector<std::string> block = DefaultBlock();
  block[12] = c.line13;
  block[13] = c.line14;
  const TPillar read = LoadText(OneSupportFile(block)).Pillars.Items(0);
  EXPECT_EQ(read.StressMax, c.stressMax);
  EXPECT_EQ(read.StressAverage, c.stressAverage);
  EXPECT_EQ(read.TensionMax, c.tensionMax);
  EXPECT_EQ(read.TensionAverage, c.tensionAverage);
  EXPECT_EQ(read.TensionMode, c.mode);
}

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, LimitLines,
    testing::Values(LineCase{"DecimalComma", "12,5;0", "8,25", 12.5, 8.25, 0, 0, 0},
                    LineCase{"NoTensionPart", "9", "4", 9, 4, 0, 0, 0},
                    LineCase{"NegativeTensionIsStressMode", "0;-5", "0;3", 0, 0, -5, 3, 0},
                    LineCase{"EmptyTensionPart", "9;", "4;", 9, 4, 0, 0, 0}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

struct HeightsCase {
  const char* line;
  int32_t wireHeight, supportHeight;
};

class HeightsLines : public testing::TestWithParam<HeightsCase> {};

TEST_P(HeightsLines, Read) {
  std::vector<std::string> lines = NewProjectLines();
  lines[15] = GetParam().line;
  const TProject read = LoadText(CrLfLines(lines));
  EXPECT_EQ(read.KlimatKoef.WireHeight, GetParam().wireHeight);
  EXPECT_EQ(read.KlimatKoef.SupportHeight, GetParam().supportHeight);
}

INSTANTIATE_TEST_SUITE_P(ProjectFile, HeightsLines,
                         testing::Values(HeightsCase{"20;25", 20, 25}, HeightsCase{"20", 20, 15},
                                         HeightsCase{";25", 15, 25}, HeightsCase{"", 15, 15},
                                         HeightsCase{"20;", 20, 15}, HeightsCase{"20;2;5", 20, 25},
                                         HeightsCase{"30;;40", 30, 40}));

TEST(ProjectFile, RealsAcceptDecimalComma) {
  std::vector<std::string> lines = NewProjectLines();
  lines[0] = "0,75";
  lines[8] = "1,15";
  const TProject read = LoadText(CrLfLines(lines));
  EXPECT_EQ(read.Klimat.TempIceNoWind, 0.75);
  EXPECT_EQ(read.KlimatKoef.WindRespCoef, 1.15);
}

struct CutCase {
  const char* numberLine;
  const char* wireLine;
  const char* number;
  const char* wire;
};

class CutTexts : public testing::TestWithParam<CutCase> {};

// The limits count characters; the file holds one byte per character.
TEST_P(CutTexts, ToTheirLimits) {
  std::vector<std::string> block = DefaultBlock();
  block[0] = GetParam().numberLine;
  block[1] = GetParam().wireLine;
  const TPillar read = LoadText(OneSupportFile(block)).Pillars.Items(0);
  EXPECT_EQ(read.SupportNumber, GetParam().number);
  EXPECT_EQ(read.WireName, GetParam().wire);
}

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, CutTexts,
    testing::Values(CutCase{"1234567", "ABCDEFGHIJKLMNOPQR", "123456", "ABCDEFGHIJKLMNOP"},
                    CutCase{"\xEE\xEF\xEE\xF0\xE0\xE0\xE0", "\xC0\xD1 70/11", "опораа", "АС 70/11"},
                    CutCase{"12", "\xD1\xC8\xCF-2 3x35+1x54.6 extra", "12", "СИП-2 3x35+1x54."}));

TEST(ProjectFile, BlankLinesAfterTheLastBlockAreIgnored) {
  std::string text = OneSupportFile(DefaultBlock()) + "\r\n  \r\n";
  const TProject read = LoadText(text);
  ASSERT_EQ(read.Pillars.Count(), 1);
  EXPECT_TRUE(read.Pillars.Items(0).Equals(TPillar()));
}

TEST(ProjectFile, LoneLineFeedsAndCarriageReturnsEndLinesToo) {
  TProject project;
  project.Pillars.Add(SampleSupport());
  const std::string crlf = SaveText(project);
  std::string lf, cr;
  for (char c : crlf) {
    if (c != '\r') lf += c;
    if (c != '\n') cr += c;
  }
  EXPECT_TRUE(LoadText(lf).Equals(project));
  EXPECT_TRUE(LoadText(cr).Equals(project));
}

TEST(ProjectFile, RoundTripKeepsEveryValue) {
  TProject project;
  project.Klimat.WindVelocityMax = 29.1234567890123;
  project.Pillars.Add(SampleSupport());
  TPillar byTensions = SampleSupport();
  byTensions.SupportNumber = "13";
  byTensions.TensionMode = 1;
  byTensions.TensionMax = 1500;
  byTensions.TensionAverage = 800;
  byTensions.GroundThis = 0.0000192;
  byTensions.SpanLeft = 123456789012345;
  byTensions.Reserved = -3;
  byTensions.SpanRight = std::numeric_limits<double>::max();  // 15 digits would not read again
  project.Pillars.Add(byTensions);
  const std::string text = SaveText(project);
  const TProject read = LoadText(text);
  EXPECT_TRUE(read.Equals(project));
  TProject again = LoadText(text);
  EXPECT_EQ(SaveText(again), text);
}

TEST(ProjectFile, RealsNeedingMoreDigitsReadBackRoundedTo15) {
  TProject project;
  TPillar support;
  support.SpanLeft = 0.1 + 0.2;
  project.Pillars.Add(support);
  const TProject read = LoadText(SaveText(project));
  EXPECT_EQ(read.Pillars.Items(0).SpanLeft, 0.3);
  EXPECT_FALSE(read.Equals(project));
}

TEST(ProjectFile, StoredFileReadsAndWritesBackByteForByte) {
  const std::string bytes = ReadBytes(ProjectData("route_ru.orv"));
  ASSERT_FALSE(bytes.empty());
  TProject project = LoadText(bytes);
  EXPECT_EQ(project.Pillars.Count(), 3);
  EXPECT_EQ(project.Pillars.Items(2).WireName, "АС 120/19");
  EXPECT_EQ(SaveText(project), bytes);
}

struct ReadFailure {
  const char* name;
  int line;  // 1-based line to replace, 0 to cut the file after `cutAfter` lines
  const char* text;
  int cutAfter;
  const char* message;
};

class ReadFailures : public testing::TestWithParam<ReadFailure> {
 protected:
  // The messages are compared in English, whatever language the system has.
  void SetUp() override { SetLanguageForSession(0); }
};

std::vector<std::string> TwoSupportLines() {
  TProject project;
  project.Pillars.Add(SampleSupport());
  project.Pillars.Add(SampleSupport());
  std::vector<std::string> lines;
  std::string text = SaveText(project);
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// A failed read names the offending text and the line, and leaves the
// project exactly as it was.
TEST_P(ReadFailures, LeaveTheProjectAsItWas) {
  const ReadFailure& c = GetParam();
  std::vector<std::string> lines = TwoSupportLines();
  if (c.line > 0) lines[static_cast<size_t>(c.line - 1)] = c.text;
  if (c.cutAfter > 0) lines.resize(static_cast<size_t>(c.cutAfter));
  TProject project;
  project.Klimat.TempMin = -40;
  project.Pillars.Add(SampleSupport());
  TProject before;
  before.Assign(project);
  TextLineReader file(CrLfLines(lines));
  try {
    project.LoadFromText(file);
    FAIL() << "no error";
  } catch (const OrvError& error) {
    EXPECT_STREQ(error.what(), c.message);
  }
  EXPECT_TRUE(project.Equals(before));
}

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, ReadFailures,
    testing::Values(
        ReadFailure{"Real", 3, "forty", 0, "'forty' is not a valid floating point value (line 3)"},
        ReadFailure{"TwoCommas", 7, "1,234,5", 0, "'1.234.5' is not a valid floating point value (line 7)"},
        ReadFailure{"Heights", 16, "15.5;20", 0, "'15.5' is not a valid integer value (line 16)"},
        ReadFailure{"Terrain", 17, "A", 0, "'A' is not a valid integer value (line 17)"},
        ReadFailure{"CountWithFraction", 18, "2.0", 0, "'2.0' is not a valid integer value (line 18)"},
        ReadFailure{"WiresInPhase", 21, "", 0, "'' is not a valid integer value (line 21)"},
        ReadFailure{"EmptyLimitLine", 31, "", 0, "'' is not a valid floating point value (line 31)"},
        ReadFailure{"LimitTension", 32, "0;80,5", 0, "'80.5' is not a valid integer value (line 32)"},
        ReadFailure{"DeflectionBeyond16Bits", 62, "70000", 0,
                    "'70000' is not a valid integer value (line 62)"},
        ReadFailure{"CutInSecondBlock", 0, "", 45, "'' is not a valid floating point value (line 46)"},
        ReadFailure{"CountBeyondTheFile", 18, "2147483647", 0,
                    "The support count 2147483647 is more than the 2 supports in the file (line 18)"},
        // A count the supports disagree with would drop supports silently.
        ReadFailure{"CountBelowTheSupports", 18, "1", 0,
                    "The support count 1 disagrees with the supports in the file: more lines follow the last "
                    "of them, from line 41 (line 18)"},
        ReadFailure{"NoSupportsCountedButSomeFollow", 18, "0", 0,
                    "The support count 0 disagrees with the supports in the file: more lines follow the last "
                    "of them, from line 19 (line 18)"},
        ReadFailure{"NegativeCount", 18, "-5", 0, "The support count -5 is negative (line 18)"},
        ReadFailure{"CountOneTooHighWithBlankLinesAfter", 40, "0\r\n\r\n", 40,
                    "The support count 2 is more than the 1 supports in the file (line 18)"},
        // The climate and its coefficients in their physical ranges.
        ReadFailure{"WindFarAboveAnyStorm", 7, "1e40", 0,
                    "Maximum wind velocity, m/s = 1E40: outside the range 0 – 100 (line 7)"},
        ReadFailure{"NegativeIce", 5, "-20", 0, "Ice wall thickness, mm = -20: outside the range 0 – 100 (line 5)"},
        ReadFailure{"NegativeCoefficient", 12, "-5", 0,
                    "Reliability coefficient for responsibility, ice loads = -5: outside the range 0 – 10 (line 12)"},
        ReadFailure{"HeightsBelowGround", 16, "-2147483648", 0,
                    "Height of the wires' centre of gravity, m = -2147483648: outside the range 0 – 1000 (line 16)"},
        // Every ";" separates: the tension cannot take the stress's place.
        ReadFailure{"LimitWithoutReal", 31, ";13.5", 0,
                    "';13.5' is not a limit pair: a real, then a semicolon and an integer (line 31)"},
        ReadFailure{"LimitRunOfSeparators", 32, "0;;800", 0,
                    "'0;;800' is not a limit pair: a real, then a semicolon and an integer (line 32)"}),
    [](const testing::TestParamInfo<ReadFailure>& info) { return std::string(info.param.name); });

struct SaveRefusal {
  const char* name;
  const char* number;
  const char* wire;
  const char* message;
};

class SaveRefusals : public testing::TestWithParam<SaveRefusal> {};

// A text the file cannot hold is refused before anything is written, and the
// project keeps its unsettled limits.
TEST_P(SaveRefusals, WriteNothingAndChangeNothing) {
  TProject project;
  TPillar byTensions = SampleSupport();
  byTensions.TensionMode = 1;
  byTensions.TensionMax = 1500;
  project.Pillars.Add(byTensions);
  TPillar bad = SampleSupport();
  bad.SupportNumber = GetParam().number;
  bad.WireName = GetParam().wire;
  project.Pillars.Add(bad);
  TProject before;
  before.Assign(project);
  std::string file = "kept";
  try {
    project.SaveToText(file);
    FAIL() << "no error";
  } catch (const OrvError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
    EXPECT_EQ(std::string(error.what()).rfind("Support 2: ", 0), 0u) << error.what();
  }
  EXPECT_EQ(file, "kept");
  EXPECT_TRUE(project.Equals(before));
}

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, SaveRefusals,
    testing::Values(SaveRefusal{"CharacterOutsideWindows1251", "12✓", "АС 70/11", "✓"},
                    SaveRefusal{"LineBreakInNumber", "1\n2", "АС 70/11", "line break"},
                    SaveRefusal{"CarriageReturnInWire", "12", "АС\r70/11", "line break"}),
    [](const testing::TestParamInfo<SaveRefusal>& info) { return std::string(info.param.name); });

}  // namespace
