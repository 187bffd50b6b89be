#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>

#include "calc/calculate_support.h"
#include "cli/calc_csv.h"
#include "cli/json_text.h"
#include "cli_test_support.h"
#include "settings/localization.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::cli;

namespace {

// The value after the n-th (from 0) `"key": ` of the output, as text.
std::string JsonValueText(const std::string& json, const std::string& key, size_t nth = 0) {
  size_t at = 0;
  for (size_t i = 0; i <= nth; ++i) {
    at = json.find("\"" + key + "\": ", at);
    if (at == std::string::npos) return "<missing>";
    at += key.size() + 4;
  }
  size_t end = at;
  if (json[at] == '"') {
    end = at + 1;
    while (end < json.size() && !(json[end] == '"' && json[end - 1] != '\\')) ++end;
    return json.substr(at, end + 1 - at);
  }
  if (json[at] == '[') return json.substr(at, json.find(']', at) + 1 - at);
  while (end < json.size() && json[end] != ',' && json[end] != '}' && json[end] != ']') ++end;
  return json.substr(at, end - at);
}

double JsonValueNumber(const std::string& json, const std::string& key, size_t nth = 0) {
  const std::string text = JsonValueText(json, key, nth);
  double value = -1e300;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

class CalcCommand : public testing::Test {
 protected:
  std::string Catalogue() { return WriteCatalogue(folder_, "wires.dat", {ExampleWire()}); }
  CliTempFolder folder_;
};

TEST_F(CalcCommand, ReferenceSupportAsJson) {
  const std::string project = WriteProject(folder_, "Example.orv", ExampleProject());
  const CommandRun run =
      RunOrvane({"calc", project, "--catalog", Catalogue(), "--lang", "en", "--format", "json"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("{\"project\": " + JsonString(project) + ", \"language\": \"en\"", 0), 0u);
  EXPECT_EQ(JsonValueText(run.out, "number"), "\"12\"");
  EXPECT_EQ(JsonValueText(run.out, "wire"), "\"АС 35/6.2\"");
  EXPECT_EQ(JsonValueText(run.out, "verdict_key"), "\"Mess_04\"");
  EXPECT_EQ(JsonValueText(run.out, "verdict"), "\"Four vibration dampers were used as a balancing load.\"");
  EXPECT_NEAR(JsonValueNumber(run.out, "min_weight_span"), 334.693, 5e-4);
  EXPECT_NEAR(JsonValueNumber(run.out, "balancing_load"), 19.935, 5e-4);
  EXPECT_NEAR(JsonValueNumber(run.out, "vertical_load_min_temp"), 29.6, 5e-4);
  EXPECT_EQ(JsonValueText(run.out, "messages"), "[]");
  EXPECT_EQ(JsonValueText(run.out, "error"), "null");
}

// The numbers carry every bit of the calculation's doubles.
TEST_F(CalcCommand, NumbersReadBackAsTheSameDoubles) {
  const TProject example = ExampleProject();
  const std::string project = WriteProject(folder_, "Example.orv", example);
  const CommandRun run =
      RunOrvane({"calc", project, "--catalog", Catalogue(), "--lang", "en", "--format", "json"});
  RegisterAllTexts();
  const TSupportResults direct =
      CalculateSupport(example.Pillars.Items(0), ExampleWire(), example.Klimat, example.KlimatKoef);
  ResetPorts();
  ASSERT_TRUE(direct.BalancingLoad && direct.MinWeightSpan && direct.VerticalLoadMinTemp);
  EXPECT_EQ(JsonValueNumber(run.out, "balancing_load"), *direct.BalancingLoad);
  EXPECT_EQ(JsonValueNumber(run.out, "min_weight_span"), *direct.MinWeightSpan);
  EXPECT_EQ(JsonValueNumber(run.out, "vertical_load_min_temp"), *direct.VerticalLoadMinTemp);
}

struct TableCase {
  const char* language;
  std::vector<std::string> expected;
};

class CalcTableLanguage : public CalcCommand, public testing::WithParamInterface<TableCase> {};

TEST_P(CalcTableLanguage, ReadableTable) {
  const std::string project = WriteProject(folder_, "Example.orv", ExampleProject());
  const CommandRun run =
      RunOrvane({"calc", project, "--catalog", Catalogue(), "--lang", GetParam().language});
  EXPECT_EQ(run.status, 0) << run.err;
  for (const std::string& text : GetParam().expected) {
    EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
  }
}

INSTANTIATE_TEST_SUITE_P(
    CalcCommand, CalcTableLanguage,
    testing::Values(TableCase{"en",
                              {"Support", "Wire", "Verdict", "АС 35/6.2", "19.935", "334.693", "29.600",
                               "Four vibration dampers were used as a balancing load."}},
                    TableCase{"ru",
                              {"Опора", "Провод", "19.935",
                               "В качестве компенсирующего груза использовать четыре гасителя вибрации."}}));

// The table follows --units as the report does; the stored setting is kept.
TEST_F(CalcCommand, TableInTheUnitsAsked) {
  const std::string project = WriteProject(folder_, "Example.orv", ExampleProject());
  const CommandRun run =
      RunOrvane({"calc", project, "--catalog", Catalogue(), "--lang", "en", "--units", "N"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Vertical load, kN"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("0.296"), std::string::npos) << run.out;
}

// Every support is calculated on its own; one that fails keeps its error in
// its entry and the others are still calculated.
TEST_F(CalcCommand, FailingSupportsDoNotStopTheOthers) {
  TProject project = ExampleProject();
  TPillar missingWire = project.Pillars.Items(0);
  missingWire.SupportNumber = "2";
  missingWire.WireName = "НЕТ 1";
  TPillar zeroSpan = project.Pillars.Items(0);
  zeroSpan.SupportNumber = "3";
  zeroSpan.SpanLeft = 0;
  TPillar zeroAngle = project.Pillars.Items(0);
  zeroAngle.SupportNumber = "4";
  zeroAngle.AlfaP = 0;
  project.Pillars.Add(missingWire);
  project.Pillars.Add(zeroSpan);
  project.Pillars.Add(zeroAngle);
  project.Pillars.Add(project.Pillars.Items(0));
  const std::string path = WriteProject(folder_, "Mixed.orv", project);
  const CommandRun run =
      RunOrvane({"calc", path, "--catalog", Catalogue(), "--lang", "en", "--format", "json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(JsonValueText(run.out, "verdict_key", 0), "\"Mess_04\"");
  EXPECT_NE(JsonValueText(run.out, "error", 1).find("НЕТ 1"), std::string::npos);
  EXPECT_NE(JsonValueText(run.out, "error", 1).find("Input the data for this wire"), std::string::npos);
  EXPECT_EQ(JsonValueText(run.out, "balancing_load", 1), "null");
  EXPECT_NE(JsonValueText(run.out, "error", 2).find("the span on the left is 0 m"), std::string::npos);
  EXPECT_EQ(JsonValueText(run.out, "verdict_key", 3), "\"Data_error\"");
  EXPECT_EQ(JsonValueText(run.out, "messages", 3).find("[\"Angle Alfa(р) = 0\\r\\n"), 0u) << run.out;
  EXPECT_EQ(JsonValueText(run.out, "error", 3), "null");
  EXPECT_EQ(JsonValueText(run.out, "verdict_key", 4), "\"Mess_04\"");
  EXPECT_NE(run.err.find("error: support 2 \"2\": \"НЕТ 1\": "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("error: support 4 \"4\": Angle Alfa(р) = 0 "), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\r'), std::string::npos);
}

TEST_F(CalcCommand, DefaultCatalogueIsTheDesktopProgramsOne) {
  WriteCatalogue(folder_, "base_provod.dat", {ExampleWire()});
  const std::string project = WriteProject(folder_, "Example.orv", ExampleProject());
  FixedFolders folders;
  folders.sharedDataFolder = folder_.Path() + "/";
  SetFolders(&folders);
  const CommandRun run = RunOrvane({"calc", project, "--lang", "en", "--format", "json"});
  SetFolders(nullptr);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(JsonValueText(run.out, "verdict_key"), "\"Mess_04\"");
}

struct FileFailure {
  const char* name;
  bool projectExists;
  bool catalogueExists;
  const char* message;
};

class CalcFileFailures : public CalcCommand, public testing::WithParamInterface<FileFailure> {};

TEST_P(CalcFileFailures, EndWithStatusOneAndNameTheFile) {
  const std::string project = GetParam().projectExists
                                  ? WriteProject(folder_, "Example.orv", ExampleProject())
                                  : folder_.File("Missing.orv");
  const std::string catalogue = GetParam().catalogueExists ? Catalogue() : folder_.File("missing.dat");
  const CommandRun run = RunOrvane({"calc", project, "--catalog", catalogue, "--lang", "en"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  const std::string missing = GetParam().projectExists ? catalogue : project;
  EXPECT_EQ(run.err, std::string("error: ") + GetParam().message + " (file \"" + missing + "\")\n");
  EXPECT_FALSE(std::filesystem::exists(folder_.File("missing.dat")));
}

INSTANTIATE_TEST_SUITE_P(CalcCommand, CalcFileFailures,
                         testing::Values(FileFailure{"Project", false, true, "File not found"},
                                         FileFailure{"Catalogue", true, false, "File not found"}),
                         [](const testing::TestParamInfo<FileFailure>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace

namespace {

// The record of each support: its governing state and swing case where the
// calculation ran through, the check where it stopped, null after an error.
TEST_F(CalcCommand, ExplainAddsTheRecordToJsonAndText) {
  TProject project = ExampleProject();
  TPillar zeroAngle = project.Pillars.Items(0);
  zeroAngle.AlfaP = 0;
  TPillar missingWire = project.Pillars.Items(0);
  missingWire.WireName = "НЕТ 1";
  project.Pillars.Add(zeroAngle);
  project.Pillars.Add(missingWire);
  const std::string path = WriteProject(folder_, "Explain.orv", project);
  const std::vector<std::string> words{"calc", path, "--catalog", Catalogue(), "--lang", "en", "--explain"};
  std::vector<std::string> jsonWords = words;
  jsonWords.insert(jsonWords.end(), {"--format", "json"});
  const CommandRun json = RunOrvane(jsonWords);
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(JsonValueText(json.out, "governing_state", 0), "2");
  EXPECT_EQ(JsonValueText(json.out, "swing_case", 0), "\"reduced_wind\"");
  EXPECT_EQ(JsonValueText(json.out, "ballast_hung", 0), "false");
  EXPECT_EQ(JsonValueText(json.out, "ballast_case", 0), "\"max_wind\"");
  EXPECT_NEAR(JsonValueNumber(json.out, "need", 0), 16.041, 5e-4);  // maximum wind, the first case
  EXPECT_NEAR(JsonValueNumber(json.out, "load_at_ballast_angle", 0), -13.816, 5e-4);
  EXPECT_EQ(JsonValueText(json.out, "cx", 0), "1.2");
  EXPECT_EQ(JsonValueText(json.out, "stopped_at", 0), "null");
  EXPECT_EQ(JsonValueText(json.out, "governing_rule", 0), "2");
  EXPECT_EQ(JsonValueText(json.out, "warnings", 0), "[]");
  EXPECT_NEAR(JsonValueNumber(json.out, "weight_span", 0), 200, 1e-9);
  EXPECT_EQ(JsonValueText(json.out, "critical_spans", 0).substr(0, 7), "[365.10");
  EXPECT_EQ(JsonValueText(json.out, "swing_case", 1), "null");
  EXPECT_EQ(JsonValueText(json.out, "stopped_at", 1), "\"angle\"");
  EXPECT_EQ(JsonValueText(json.out, "explain", 2), "null");

  const CommandRun text = RunOrvane(words);
  EXPECT_NE(text.out.find("Governing initial state: 2 — lowest temperature"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("reduced wind, Alfa (a,v): 10.000°, load at its own angle, kg 19.935"),
            std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("Height factor K, span factors α (Vmax, ice), drag Cx: 1, 0.86, 1, 1.2"),
            std::string::npos);
  EXPECT_NE(text.out.find("Calculation stopped at: permissible angles"), std::string::npos) << text.out;
}

TEST_F(CalcCommand, CsvHasAHeaderAndOneQuotedRowPerSupport) {
  const std::string project = WriteProject(folder_, "Example.orv", ExampleProject());
  // The numbers are daN in either units, and the header says so.
  const CommandRun run =
      RunOrvane({"calc", project, "--catalog", Catalogue(), "--lang", "en", "--units", "N", "--format", "csv"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("\r\n")),
            "\xEF\xBB\xBF#,Support,Wire,\"Load, kg\",\"Min. weight span, m\",\"Vertical load, "
            "daN\",Verdict,Verdict key,"
            "Warning keys");
  const std::string row = run.out.substr(run.out.find("\r\n") + 2);
  EXPECT_EQ(row.rfind("1,12,АС 35/6.2,19.93", 0), 0u) << row;
  EXPECT_NE(row.find(",Four vibration dampers were used as a balancing load.,Mess_04,\r\n"),
            std::string::npos);
  EXPECT_EQ(CsvField("say \"hi\", twice"), "\"say \"\"hi\"\", twice\"");
  EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
}

// A warning on the data is in the table and in the CSV, not only in the
// explanation.
TEST_F(CalcCommand, DataWarningsAreInEveryOutput) {
  TProject project = ExampleProject();
  project.Pillars.Items(0).AlfaBal = 1;  // below both permissible angles
  const std::string path = WriteProject(folder_, "Warned.orv", project);
  const CommandRun csv =
      RunOrvane({"calc", path, "--catalog", Catalogue(), "--lang", "en", "--format", "csv"});
  EXPECT_NE(csv.out.find(",Warning keys\r\n"), std::string::npos) << csv.out;
  EXPECT_NE(csv.out.find(",Warn_ballast_angle\r\n"), std::string::npos) << csv.out;
  const CommandRun table = RunOrvane({"calc", path, "--catalog", Catalogue(), "--lang", "en"});
  EXPECT_NE(table.out.find(" ⚠ The angle with ballast is not larger than either permissible angle"),
            std::string::npos)
      << table.out;
}

// A text a spreadsheet would evaluate is shown instead; numbers stay numbers.
TEST_F(CalcCommand, CsvTextsCannotBecomeFormulas) {
  TProject project = ExampleProject();
  const std::pair<const char*, const char*> supports[] = {
      {"=2+3", "=HYPERLINK(\"x\")"}, {"+1", "@SUM(A1)"}, {"-1", "\tw"}, {"@1", "a=b"}};
  for (const auto& [number, wire] : supports) {
    TPillar support = project.Pillars.Items(0);
    support.SupportNumber = number;
    support.WireName = wire;
    project.Pillars.Add(support);
  }
  const std::string path = WriteProject(folder_, "Formulas.orv", project);
  const CommandRun run = RunOrvane(
      {"calc", path, "--catalog", Catalogue(), "--lang", "en", "--format", "csv", "--no-bom"});
  EXPECT_EQ(run.out.rfind("#,Support", 0), 0u) << "no byte order mark asked for";
  for (const char* row : {"\r\n2,'=2+3,\"'=HYPERLINK(\"\"x\"\")\",", "\r\n3,'+1,'@SUM(A1),",
                          "\r\n4,'-1,'\tw,", "\r\n5,'@1,a=b,"})
    EXPECT_NE(run.out.find(row), std::string::npos) << row << "\n" << run.out;
  EXPECT_EQ(CsvField("\rx"), "\"'\rx\"");
  EXPECT_EQ(RunOrvane({"calc", path, "--no-bom"}).status, 2) << "--no-bom without csv";
}

}  // namespace
