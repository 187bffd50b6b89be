#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "project/report/make_report.h"
#include "report_fixture.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace {

TEST_F(ReportTest, EverySheetCarriesTheProjectCellsInStoredUnits) {
  UseSettings(0, 1);  // N-based units convert none of the project cells
  TProject project = ExampleProject(3);
  TKlimat& k = project.Klimat;
  k.IceThickness = 5.5;
  k.TempMax = 40.25;
  k.TempIceWind = -10;
  k.TempAverage = 1.5;
  TKlimatKoef& c = project.KlimatKoef;
  c.WindRespCoef = 1.1;
  c.WindRegionalCoef = 1.2;
  c.WindReliabilityCoef = 1.3;
  c.IceRespCoef = 1.4;
  c.IceRegionalCoef = 1.5;
  c.IceReliabilityCoef = 1.6;
  c.IceOperatingCoef = 0.9;
  c.WireHeight = 17;
  c.TerrainType = 2;
  const struct {
    const char* address;
    double value;
  } expected[] = {
      {"E4", 5.5},  {"E5", 25},   {"E6", 12.5}, {"E7", -55}, {"E8", 40.25}, {"E9", -5},
      {"E10", -10}, {"E11", 1.5}, {"L4", 1.1},  {"L5", 1.2}, {"L6", 1.3},   {"L8", 1.4},
      {"L9", 1.5},  {"L10", 1.6}, {"L11", 0.9}, {"R4", 17},
  };
  xls::XlsWorkbook book = ReportOf(project);
  ASSERT_EQ(book.SheetCount(), 4);  // and the summary
  for (int s = 0; s < 3; ++s) {
    for (const auto& e : expected) {
      EXPECT_EQ(NumberAt(book.Sheet(s), e.address), e.value) << "sheet " << s << " " << e.address;
    }
    EXPECT_EQ(TextAt(book.Sheet(s), "R3"), "B") << "sheet " << s;
  }
}

TEST_F(ReportTest, TerrainTypesGiveTheirLetters) {
  const struct {
    int type;
    const char* letter;
  } cases[] = {{1, "A"}, {2, "B"}, {3, "C"}, {4, ""}};
  for (const auto& c : cases) {
    TProject project = ExampleProject(1);
    project.KlimatKoef.TerrainType = c.type;
    EXPECT_EQ(TextAt(ReportOf(project).Sheet(0), "R3"), c.letter) << "type " << c.type;
  }
}

TEST_F(ReportTest, LimitsAndModulusFollowTheUnits) {
  const struct {
    const char* name;
    int units;
    int mode;
    double stressMax, stressAverage;
    int tensionMax, tensionAverage;
    double area;
    double d15, d16, e15, e16, l17;
  } cases[] = {
      {"stresses, daN", 0, 0, 9, 6, 0, 0, 100, 9, 6, 900, 600, 8250},
      {"stresses, N", 1, 0, 9, 6, 0, 0, 100, 90, 60, 9, 6, 82.5},
      {"stresses 8.43, N", 1, 0, 8.43, 5, 0, 0, 43, 84.3, 50, 3.6249, 2.15, 82.5},
      {"tensions, daN", 0, 1, 0, 0, 1500, 800, 100, 15, 8, 1500, 800, 8250},
      {"tensions, N", 1, 1, 0, 0, 1000, 800, 100, 100, 80, 10, 8, 82.5},
  };
  for (const auto& c : cases) {
    UseSettings(0, c.units);
    catalogue.Item(0).WireArea = c.area;
    TProject project = ExampleProject(1);
    TPillar& support = project.Pillars.Items(0);
    support.TensionMode = c.mode;
    support.StressMax = c.stressMax;
    support.StressAverage = c.stressAverage;
    support.TensionMax = c.tensionMax;
    support.TensionAverage = c.tensionAverage;
    xls::XlsWorkbook book = ReportOf(project);
    xls::XlsSheet sheet = book.Sheet(0);
    EXPECT_NEAR(NumberAt(sheet, "D15"), c.d15, 1e-9) << c.name;
    EXPECT_NEAR(NumberAt(sheet, "D16"), c.d16, 1e-9) << c.name;
    EXPECT_NEAR(NumberAt(sheet, "E15"), c.e15, 1e-9) << c.name;
    EXPECT_NEAR(NumberAt(sheet, "E16"), c.e16, 1e-9) << c.name;
    EXPECT_NEAR(NumberAt(sheet, "L17"), c.l17, 1e-9) << c.name;
  }
}

TEST_F(ReportTest, SupportCellsHoldTheSupportAndItsWire) {
  UseSettings(1, 0);
  TProject project = ExampleProject(1);
  TPillar& s = project.Pillars.Items(0);
  s.SupportNumber = "12а";
  s.WiresInPhase = 2;
  s.SpanLeft = 210;
  s.SpanRight = 190.5;
  s.SpanEquivalent = 201;
  s.GroundLeft = 101.25;
  s.GroundThis = 100.5;
  s.GroundRight = 99.75;
  s.HeightLeft = 20.5;
  s.HeightThis = 19.5;
  s.HeightRight = 21;
  s.AlfaP = 44;
  s.AlfaAB = 11;
  s.AlfaBal = 59;
  s.TurnAngle = 2.5;
  s.DamperWeight = 5.4;
  s.InsulatorWeight = 48;
  const struct {
    const char* address;
    double value;
  } expected[] = {
      {"D17", 210},     {"D18", 190.5}, {"D19", 201},  {"D20", 101.25}, {"D21", 100.5},
      {"D22", 99.75},   {"D23", 20.5},  {"D24", 19.5}, {"D25", 21},     {"D26", 44},
      {"D27", 11},      {"D28", 59},    {"L14", 8.4},  {"L15", 43},     {"L16", 0.148},
      {"L18", 19.2e-6}, {"L20", 2.5},   {"L21", 5.4},  {"L22", 48},     {"L23", 2},
  };
  xls::XlsWorkbook book = ReportOf(project);
  xls::XlsSheet sheet = book.Sheet(0);
  for (const auto& e : expected) EXPECT_EQ(NumberAt(sheet, e.address), e.value) << e.address;
  EXPECT_EQ(TextAt(sheet, "B13"), "Опора 12а");
  EXPECT_EQ(TextAt(sheet, "D14"), "АС 35/6.2");
  EXPECT_EQ(sheet.Name(), "Опора №12а");
}

// The worked example gives MinWeightSpan 334.693 m, BalancingLoad 19.935 kg,
// VerticalLoadMinTemp 29.6 daN and the verdict of Mess_04.
TEST_F(ReportTest, ResultCellsOfASupportWithAnInsulatorString) {
  const struct {
    int language;
    const char* b30;
    const char* b31;
    const char* b32;
    int units;
    double h32;  // in the units its row names
  } cases[] = {
      {0, "Reference weight of the load in case of string deflection due to wind and stress, kg",
       "Smallest weight span, m", "Tearing force at the lowest temperature (below 0: the wire presses down), daN", 0,
       -29.6},
      {1, "Расчётный вес груза при отклонении гирлянд ветром и тяжением, кг", "Наименьший весовой пролёт, м",
       "Вырывающее усилие при низшей температуре (меньше 0: провод давит вниз), даН", 0, -29.6},
      {0, "Reference weight of the load in case of string deflection due to wind and stress, kg",
       "Smallest weight span, m", "Tearing force at the lowest temperature (below 0: the wire presses down), kN", 1,
       -0.296},
  };
  for (const auto& c : cases) {
    UseSettings(c.language, c.units);
    xls::XlsWorkbook book = ReportOf(ExampleProject(1));
    xls::XlsSheet sheet = book.Sheet(0);
    EXPECT_EQ(TextAt(sheet, "B30"), c.b30);
    EXPECT_EQ(TextAt(sheet, "B31"), c.b31);
    EXPECT_EQ(TextAt(sheet, "B32"), c.b32);
    EXPECT_NEAR(NumberAt(sheet, "H30"), 19.935, 0.0005);
    EXPECT_NEAR(NumberAt(sheet, "H31"), 334.693, 0.0005);
    EXPECT_NEAR(NumberAt(sheet, "H32"), c.h32, 0.0005);
    EXPECT_FALSE(TextAt(sheet, "B33").empty());
  }
  UseSettings(0, 0);
  xls::XlsWorkbook book = ReportOf(ExampleProject(1));
  xls::XlsSheet sheet = book.Sheet(0);
  EXPECT_EQ(TextAt(sheet, "B33").rfind("Four vibration dampers", 0), 0u) << TextAt(sheet, "B33");
}

TEST_F(ReportTest, WithoutAnInsulatorStringOnlyTheTearingRowsAreWritten) {
  const struct {
    int language;
    const char* b32;
  } cases[] = {
      {0, "Tearing force at the lowest temperature (below 0: the wire presses down), daN"},
      {1, "Вырывающее усилие при низшей температуре (меньше 0: провод давит вниз), даН"},
  };
  for (const auto& c : cases) {
    UseSettings(c.language, 0);
    TProject project = ExampleProject(1);
    project.Pillars.Items(0).InsulatorWeight = 0;
    project.Pillars.Items(0).GroundThis = 90;
    xls::XlsWorkbook book = ReportOf(project);
    xls::XlsSheet sheet = book.Sheet(0);
    for (const char* untouched : {"B30", "B31", "H30", "H31"}) {
      EXPECT_EQ(KindAt(sheet, untouched), xls::XlsCellKind::Empty) << untouched;
    }
    EXPECT_EQ(TextAt(sheet, "B32"), c.b32);
    // An upward load of 22 daN is shown as a positive tearing force.
    EXPECT_NEAR(NumberAt(sheet, "H32"), 22.0, 0.0005);
  }
  EXPECT_EQ(TextAt(ReadBack().Sheet(0), "B33"),
            "Оцените вырывающее усилие при низшей температуре и\r\nзамените крепление анкерным "
            "(натяжным).");
}

TEST_F(ReportTest, ASupportEndingInDataErrorShowsZerosNotItsNeighboursResults) {
  TProject project = ExampleProject(3);
  project.Pillars.Items(1).AlfaP = 0;
  xls::XlsWorkbook book = ReportOf(project);
  xls::XlsSheet failed = book.Sheet(1);
  EXPECT_EQ(TextAt(failed, "B33"), "Data error");
  for (const char* address : {"H30", "H31", "H32"}) {
    EXPECT_EQ(KindAt(failed, address), xls::XlsCellKind::Number) << address;
    EXPECT_EQ(NumberAt(failed, address), 0.0) << address;
  }
  EXPECT_NEAR(NumberAt(book.Sheet(2), "H30"), 19.935, 0.0005);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
}

}  // namespace

namespace {

// Outside the specified cells: the origin of every sheet, the turn and the
// weight spans beside the inputs, and why a support gave no result.
TEST_F(ReportTest, SheetsSayWhereTheyComeFromAndWhyASupportGaveNoResult) {
  TProject project = ExampleProject(3);
  project.Pillars.Items(1).AlfaP = 0;
  project.Pillars.Items(2).TurnAngle = 2;
  project.Pillars.Items(2).DeflectionDirection = 0;
  const struct {
    int language;
    const char* project;
    const char* date;
    const char* sheet;
    const char* noTurn;
    const char* toward;
    const char* reason;
  } cases[] = {
      {0, "Project: Route.2.orv", "Report date: 2026-01-31", "Sheet 2 of 3", "no turn", "toward support",
       "No result: Angle Alfa(р) = 0 Calculation is impossible!"},
      {1, "Проект: Route.2.orv", "Дата отчёта: 2026-01-31", "Лист 2 из 3", "нет поворота", "к опоре",
       "Нет результата: Угол Alfa(р) = 0 Расчёт невозможен!"},
  };
  for (const auto& c : cases) {
    UseSettings(c.language, 0);
    ASSERT_EQ(WriteReport(project, OutputPath(), catalogue, {}, {"C:\\Work\\Route.2.orv", "2026-01-31"}),
              ReportOutcome::Saved);
    xls::XlsWorkbook book = ReadBack();
    xls::XlsSheet stopped = book.Sheet(1);
    EXPECT_EQ(TextAt(stopped, "B35"), c.project);
    EXPECT_EQ(TextAt(stopped, "I35"), c.date);
    EXPECT_EQ(TextAt(stopped, "N35"), c.sheet);
    EXPECT_EQ(TextAt(stopped, "B34"), c.reason);
    EXPECT_EQ(KindAt(stopped, "L25"), xls::XlsCellKind::Empty);
    EXPECT_EQ(TextAt(book.Sheet(0), "B34"), "");
    EXPECT_EQ(TextAt(book.Sheet(0), "K24"), c.noTurn);
    EXPECT_EQ(TextAt(book.Sheet(2), "K24"), c.toward);
    EXPECT_NEAR(NumberAt(book.Sheet(0), "L25"), 200, 1e-9);  // S = 0: the weight span is the wind span
    EXPECT_NEAR(NumberAt(book.Sheet(0), "L26"), 200, 1e-9);
  }
}

}  // namespace

namespace {

// The words of a label that can name a unit: "stress, daN/mm²; tension, daN"
// gives "stress", "daN", "mm²", "tension".
std::set<std::string> LabelWords(std::string label) {
  for (char& c : label)
    if (std::string_view(",;:()/0123456789").find(c) != std::string_view::npos) c = ' ';
  std::istringstream words(label);
  return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

// The text left of a number in its row: the label the reader takes its unit from.
std::string LabelOf(xls::XlsSheet sheet, int row, int column) {
  while (--column >= 0)
    if (sheet.Cell(row, column).Kind() == xls::XlsCellKind::Text) return sheet.Cell(row, column).Text();
  return "";
}

// Every number of a support sheet and every number column of the summary
// stands beside a label naming the units of the report it is in, never those
// of the other system; the converted rows name their unit, the signed ones
// their sign.
TEST_F(ReportTest, EveryNumberStandsBesideTheUnitsItIsWrittenIn) {
  const struct {
    int language, units;
    std::string force, stress, modulus;
    std::set<std::string> foreign;
  } cases[] = {
      {0, 0, "daN", "daN/mm²", "daN/mm²", {"N", "kN", "Н", "кН"}},
      {0, 1, "kN", "N/mm²", "kN/mm²", {"daN", "даН"}},
      {1, 0, "даН", "даН/мм²", "даН/мм²", {"N", "kN", "Н", "кН"}},
      {1, 1, "кН", "Н/мм²", "кН/мм²", {"daN", "даН"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.force);
    UseSettings(c.language, c.units);
    TProject project = ExampleProject(2);
    project.Pillars.Items(1).InsulatorWeight = 0;
    xls::XlsWorkbook book = ReportOf(project);
    for (int index : {0, 1, 2}) {
      xls::XlsSheet sheet = book.Sheet(index);
      const bool summary = index == 2;
      for (int row = summary ? 1 : 0; row < 40; ++row)
        for (int column = 0; column < 20; ++column) {
          if (sheet.Cell(row, column).Kind() != xls::XlsCellKind::Number) continue;
          const std::string label = summary ? sheet.Cell(0, column).Text() : LabelOf(sheet, row, column);
          for (const std::string& word : LabelWords(label)) EXPECT_EQ(c.foreign.count(word), 0u) << label;
        }
    }
    xls::XlsSheet first = book.Sheet(0);
    for (const char* label : {"B15", "B16"}) {
      EXPECT_NE(TextAt(first, label).find(", " + c.stress + ";"), std::string::npos) << TextAt(first, label);
      EXPECT_TRUE(TextAt(first, label).ends_with(", " + c.force)) << TextAt(first, label);
    }
    EXPECT_TRUE(TextAt(first, "G17").ends_with(", " + c.modulus)) << TextAt(first, "G17");
    for (int index : {0, 1}) EXPECT_TRUE(TextAt(book.Sheet(index), "B32").ends_with(c.force));
    EXPECT_TRUE(book.Sheet(2).Cell(0, 8).Text().ends_with(c.force));
    // The values that can be below zero say what their sign means.
    for (const char* label : {"G25", "G26", "B32"})
      EXPECT_NE(TextAt(first, label).find(" 0: "), std::string::npos);
    for (int column : {7, 8}) EXPECT_NE(book.Sheet(2).Cell(0, column).Text().find(" 0: "), std::string::npos);
  }
}

}  // namespace

namespace {

// The worked example with its ground at 90 m and a turn of 10° from the
// support gives a smallest weight span of -265.579 m: no weight span needs a
// load, as the screen says; the sheet and the summary say it in the same words.
TEST_F(ReportTest, ASmallestWeightSpanBelowZeroIsNotLimitingInEverySheet) {
  for (int language : {0, 1}) {
    UseSettings(language, 0);
    TProject project = ExampleProject(2);
    TPillar& lifted = project.Pillars.Items(1);
    lifted.GroundThis = 90;
    lifted.TurnAngle = 10;
    lifted.DeflectionDirection = 1;
    xls::XlsWorkbook book = ReportOf(project);
    const std::string notLimiting = LocalText("Results_not_limiting");
    EXPECT_EQ(TextAt(book.Sheet(1), "H31"), notLimiting);
    EXPECT_EQ(book.Sheet(2).Cell(2, 6).Text(), notLimiting);
    EXPECT_NEAR(NumberAt(book.Sheet(0), "H31"), 334.693, 0.0005);
    EXPECT_EQ(book.Sheet(2).Cell(1, 6).Number(), NumberAt(book.Sheet(0), "H31"));
  }
}

}  // namespace
