// The whole road of the desktop program: a climate typed into the main
// window, three supports added with wires picked in the catalogue window,
// the project saved and calculated into a report. The report's results must
// be what the command line calculates for the saved file.

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "base/number_text.h"
#include "cli/command_line.h"
#include "project/file/project_file.h"
#include "project/catalogue/wires_list.h"
#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/frames/frm_klimat.h"
#include "ui/pillars/form_pillars.h"
#include "ui/wires/form_wires_base.h"
#include "widgets/navigation_label.h"
#include "widgets/real_spin_edit.h"
#include "widgets/wires_grid.h"
#include "xls/workbook.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::widgets;
using namespace orv::cli;
using namespace orv::ui;

namespace {

namespace fs = std::filesystem;

const char* const kWires[] = {"АС 120/19", "АС 150/24", "АС 185/29"};

TWiresList SampleCatalogue() {
  const struct {
    double diameter, area, weight;
  } data[] = {{15.2, 136.8, 0.471}, {17.1, 173.2, 0.599}, {18.8, 210, 0.728}};
  TWiresList list;
  // Stored out of order: the window shows them sorted by name.
  for (int i : {2, 0, 1}) {
    TWireRecord wire;
    wire.WireGroup = 1;
    wire.WireName = kWires[i];
    wire.WireDiameter = data[i].diameter;
    wire.WireArea = data[i].area;
    wire.WireWeight = data[i].weight;
    wire.WireModulus = 8250;
    wire.WireExpansion = 1.92e-5;
    list.Add(wire);
  }
  return list;
}

// What `orvane calc --format json` says of one support.
struct CalcEntry {
  std::string verdict;
  double balancingLoad = 0;
  double minWeightSpan = 0;
  double verticalLoad = 0;
};

double JsonNumberAfter(const std::string& json, std::size_t from, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\": ", from);
  EXPECT_NE(at, std::string::npos) << key;
  if (at == std::string::npos) return 0;
  const char* begin = json.data() + at + key.size() + 4;
  double value = 0;
  const auto [end, error] = std::from_chars(begin, json.data() + json.size(), value);
  EXPECT_EQ(error, std::errc()) << key << " is not a number";
  return value;
}

std::string JsonTextAfter(const std::string& json, std::size_t from, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\": \"", from);
  if (at == std::string::npos) return {};
  std::string text;
  for (std::size_t i = at + key.size() + 5; i < json.size() && json[i] != '"'; ++i) {
    if (json[i] == '\\') ++i;
    text += json[i];
  }
  return text;
}

std::vector<CalcEntry> ParseCalcJson(const std::string& json) {
  std::vector<CalcEntry> entries;
  for (std::size_t at = json.find("{\"index\""); at != std::string::npos;
       at = json.find("{\"index\"", at + 1)) {
    CalcEntry entry;
    entry.verdict = JsonTextAfter(json, at, "verdict");
    entry.balancingLoad = JsonNumberAfter(json, at, "balancing_load");
    entry.minWeightSpan = JsonNumberAfter(json, at, "min_weight_span");
    entry.verticalLoad = JsonNumberAfter(json, at, "vertical_load_min_temp");
    entries.push_back(entry);
  }
  return entries;
}

std::string RunCalc(const std::string& project, const std::string& catalogue) {
  const std::vector<std::string> args = {"orvane",   "calc", project,  "--catalog", catalogue,
                                         "--format", "json", "--lang", "en"};
  std::ostringstream out, err;
  std::streambuf* oldOut = std::cout.rdbuf(out.rdbuf());
  std::streambuf* oldErr = std::cerr.rdbuf(err.rdbuf());
  const int status = RunCommandLine(args);
  std::cout.rdbuf(oldOut);
  std::cerr.rdbuf(oldErr);
  EXPECT_EQ(status, 0) << err.str();
  return out.str();
}

class EndToEndGuiTest : public MainWindowTest {
 protected:
  // A catalogue in the scratch data folder and the report templates beside
  // the scratch program, then the program starts again over them.
  void PrepareFolders() {
    TWiresList catalogue = SampleCatalogue();
    catalogue.SaveToFile(CataloguePath());
    fs::create_directories(scratch / "program" / "Forms");
    for (const auto& entry : fs::directory_iterator(fs::path(ORVANE_SOURCE_DIR) / "forms"))
      if (entry.path().extension() == ".xls")
        fs::copy_file(entry.path(), scratch / "program" / "Forms" / entry.path().filename());
    Start(0);
  }
  std::string CataloguePath() const { return (scratch / "data" / "base_provod.dat").string(); }

  void TypeClimate(const TKlimat& k) {
    TFrameKlimat& frame = *FrameKlimat();
    const std::pair<TRealSpinEdit*, double> fields[] = {
        {Child<TRealSpinEdit>(frame, "Tols"), k.IceThickness},
        {Child<TRealSpinEdit>(frame, "TMin"), k.TempMin},
        {Child<TRealSpinEdit>(frame, "TMax"), k.TempMax},
        {Child<TRealSpinEdit>(frame, "TGsw"), k.TempIceWind},
        {Child<TRealSpinEdit>(frame, "Tgbw"), k.TempIceNoWind},
        {Child<TRealSpinEdit>(frame, "Tsrec"), k.TempAverage},
        {Child<TRealSpinEdit>(frame, "VMax"), k.WindVelocityMax},
        {Child<TRealSpinEdit>(frame, "Vwetsg"), k.WindVelocityIce}};
    for (const auto& [edit, value] : fields) TypeInto(*edit, QString::fromStdString(FloatToText(value)));
  }

  // Adds a support with the example's values, its own number and the wire
  // of catalogue row `wireRow`, picked in the catalogue window.
  void AddSupport(const TPillar& values, const std::string& number, int wireRow) {
    TModalScript script;
    script.Then([&](QWidget& dialog) {
      auto& editor = dynamic_cast<TFormPillars&>(dialog);
      editor.LoadSupport(values);
      TypeInto(*Child<QLineEdit>(editor, "NumbEdit"), QString::fromStdString(number));
      TModalScript picker;
      picker.Then([wireRow](QWidget& w) {
        auto& wires = dynamic_cast<TFormWiresBase&>(w);
        Child<TWiresGrid>(wires, "Grid")->SelectRow(wireRow);
        emit Child<TWiresGrid>(wires, "Grid")->RowDoubleClicked(wireRow);
      });
      ClickWidget(*Child<QToolButton>(editor, "ProvodButton"));
      Child<QPushButton>(editor, "BitBtnOK")->click();
    });
    Action("ActPillarCreate")->trigger();
    ProcessEvents();
  }
};

}  // namespace

TEST_F(EndToEndGuiTest, ReportOfTheTypedProjectMatchesTheCommandLine) {
  PrepareFolders();
  TProject example;
  LoadProjectFile(std::string(ORVANE_SOURCE_DIR) + "/examples/line_110kv_en.orv", example);
  ASSERT_GE(example.Pillars.Count(), 3);

  TypeClimate(example.Klimat);
  ClickWidget(*Lab(3));
  const char* const numbers[] = {"1", "2", "3a"};
  for (int i = 0; i < 3; ++i) AddSupport(example.Pillars.Items(i), numbers[i], i);

  const TPillarList& supports = Main().Document().Project().Pillars;
  ASSERT_EQ(supports.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(supports.Items(i).SupportNumber, numbers[i]);
    EXPECT_EQ(supports.Items(i).WireName, kWires[i]);
    EXPECT_EQ(supports.Items(i).SpanLeft, example.Pillars.Items(i).SpanLeft);
  }
  EXPECT_TRUE(Main().Document().Project().Klimat.IsEqual(example.Klimat));

  const std::string project = ScratchPath("route.orv");
  fileDialogs.answers.push_back(project);
  Action("ActProjectSave")->trigger();
  ASSERT_EQ(MessageTexts(), std::vector<std::string>{"File is successfully saved."});

  const std::string report = ScratchPath("route_report");
  fileDialogs.answers.push_back(report);
  Action("ActCalcProject")->trigger();
  ProcessEvents();
  ASSERT_EQ(shell.opened, std::vector<std::string>{report + ".xls"}) << "the finished report is opened";

  xls::XlsWorkbook book;
  book.Open(report + ".xls");
  ASSERT_EQ(book.SheetCount(), 4);  // and the summary
  const std::vector<CalcEntry> expected = ParseCalcJson(RunCalc(project, CataloguePath()));
  ASSERT_EQ(expected.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    xls::XlsSheet sheet = book.Sheet(i);
    EXPECT_DOUBLE_EQ(sheet.Cell(29, 7).Number(), expected[i].balancingLoad);       // H30
    EXPECT_DOUBLE_EQ(sheet.Cell(30, 7).Number(), expected[i].minWeightSpan);       // H31
    EXPECT_DOUBLE_EQ(sheet.Cell(31, 7).Number(), 0.0 - expected[i].verticalLoad);  // H32
    EXPECT_EQ(sheet.Cell(32, 1).Text(), expected[i].verdict);                      // B33
    EXPECT_FALSE(expected[i].verdict.empty());
  }
}

TEST_F(EndToEndGuiTest, CatalogueChangedFromTheMainWindowIsSavedWhenTheProgramCloses) {
  PrepareFolders();
  TFormWiresBase& wires = Windows().FormWiresBase();
  Action("ActWiresGuide")->trigger();
  ProcessEvents();
  ASSERT_TRUE(wires.isVisible());
  EXPECT_EQ(Child<TWiresGrid>(wires, "Grid")->Cell(0, 0), kWires[0])
      << "loaded from the data folder and sorted by name";
  EXPECT_FALSE(wires.isModal());
  EXPECT_FALSE(wires.SelectionMode());

  messages.answers.push_back(MessageAnswer::Yes);
  Child<QPushButton>(wires, "BtnDelete")->click();
  ASSERT_EQ(fs::file_size(CataloguePath()), 3u * 61) << "nothing is saved before the program ends";
  Action("ActExit")->trigger();
  ProcessEvents();
  EXPECT_EQ(fs::file_size(CataloguePath()), 2u * 61);
}
