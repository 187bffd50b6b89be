// The commands that reach beyond the project file: the calculation with its
// report behind the wait window, and the climate taken over from a Dastrel
// project.

#include <QAction>
#include <QEvent>
#include <QStackedWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/number_text.h"
#include "base/text_utils.h"
#include "project/catalogue/wire_catalog.h"
#include "support/find_child.h"
#include "settings/ports/ports.h"
#include "test_main_window_fixture.h"
#include "ui/dialogs/form_about.h"
#include "ui/dialogs/form_units_dlg.h"
#include "ui/dialogs/form_wait.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"
#include "widgets/navigation_label.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::platform;
using namespace orv::ui;
using namespace orv::widgets;

namespace {

// Counts the showings of a window.
class ShowCounter : public QObject {
 public:
  int shows = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shows;
    return QObject::eventFilter(watched, event);
  }
};

// The shipped catalogue's source: "name;diameter;area;weight;modulus;expansion;group".
void LoadShippedWires(TWireCatalog& catalogue) {
  std::ifstream source(std::string(ORVANE_SOURCE_DIR) + "/data/wires.csv");
  std::string line;
  while (std::getline(source, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> parts = SplitText(line, ';');
    if (parts.size() < 7) continue;
    TWireRecord wire;
    wire.WireName = parts[0];
    wire.WireDiameter = TextToFloat(parts[1]);
    wire.WireArea = TextToFloat(parts[2]);
    wire.WireWeight = TextToFloat(parts[3]);
    wire.WireModulus = TextToFloat(parts[4]);
    wire.WireExpansion = TextToFloat(parts[5]);
    wire.WireGroup = TextToInt(parts[6]);
    catalogue.Add(wire);
  }
}

void CopyTemplates(const std::string& programFolder) {
  std::filesystem::create_directories(programFolder + "Forms");
  for (const char* name : {"FormLoad_en.xls", "FormLoadN_en.xls", "FormLoad_ru.xls", "FormLoadN_ru.xls"}) {
    std::filesystem::copy_file(std::string(ORVANE_SOURCE_DIR) + "/forms/" + name,
                               programFolder + "Forms/" + name);
  }
}

// A Dastrel project of the newer form, its values at the fixed lines.
std::string DastrelText(const std::string& iceThickness) {
  std::ostringstream text;
  text << "version 3.4\r\nRoute 7\r\n1\r\n";
  for (const char* value : {"-5,5", "-10", "-45", "35", "2.5", "14", "29"}) text << value << "\r\n";
  text << iceThickness << "\r\n";
  for (int i = 0; i < 6; ++i) text << "0\r\n";
  for (const char* value : {"1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "0.9"}) text << value << "\r\n";
  text << "10;20\r\n3\r\n";
  return text.str();
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

class CalculateTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CopyTemplates(folders.programFolder);
    fileDialogs.answers.push_back(std::string(ORVANE_SOURCE_DIR) + "/examples/line_110kv_en.orv");
    Action("ActProjectOpen")->trigger();
    Windows().FormWait().installEventFilter(&waitShows);
  }

  ShowCounter waitShows;
};

TEST_F(CalculateTest, WritesTheReportBehindTheWaitWindowAndOpensIt) {
  LoadShippedWires(Catalogue());
  TypeInto(*Child<TRealSpinEdit>(*FrameKlimat(), "Tols"), "21");
  fileDialogs.answers.push_back(ScratchPath("Report"));

  Action("ActCalcProject")->trigger();

  ASSERT_EQ(fileDialogs.requests.size(), 2u);
  const FileDialogRequest& request = fileDialogs.requests[1];
  EXPECT_EQ(request.mode, FileDialogMode::Save);
  EXPECT_EQ(request.title, "Save report - Orvane");
  EXPECT_EQ(request.filter, "Excel file|*.xls;");
  const std::string report = ScratchPath("Report.xls");
  EXPECT_TRUE(std::filesystem::exists(report));
  EXPECT_EQ(shell.opened, std::vector<std::string>{report});
  EXPECT_EQ(waitShows.shows, 1);
  EXPECT_FALSE(Windows().FormWait().isVisible());
  EXPECT_EQ(Main().Document().Project().Klimat.IceThickness, 21) << "the frames are committed first";
}

TEST_F(CalculateTest, CancelledReportDialogDoesNothing) {
  Action("ActCalcProject")->trigger();
  EXPECT_EQ(waitShows.shows, 0);
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CalculateTest, AWireMissingFromTheCatalogueStopsTheReportAndClosesTheWaitWindow) {
  ASSERT_EQ(Catalogue().List().Count(), 0);
  fileDialogs.answers.push_back(ScratchPath("Report.xls"));

  Action("ActCalcProject")->trigger();

  ASSERT_EQ(messages.shown.size(), 1u);
  const TPillar& first = Main().Document().Project().Pillars.Items(0);
  EXPECT_TRUE(messages.shown[0].text.starts_with(
      "No report was written: the wire of these supports is not in the reference catalog: Support " +
      first.SupportNumber + " (" + first.WireName + ")"))
      << messages.shown[0].text;
  EXPECT_FALSE(std::filesystem::exists(ScratchPath("Report.xls")));
  EXPECT_EQ(waitShows.shows, 1);
  EXPECT_FALSE(Windows().FormWait().isVisible());
}

// However the path is spelled, a report never replaces the open project, the
// catalogue or a template.
TEST_F(CalculateTest, AReportOverTheProjectOrTheCatalogueIsRefused) {
  const std::string project = WriteSample("Line.orv", SampleProject(2));
  fileDialogs.answers.push_back(project);
  Action("ActProjectOpen")->trigger();
  LoadShippedWires(Catalogue());
  Catalogue().SaveIfModified();
  const std::string catalogue = Catalogue().SavePath();
  std::filesystem::create_symlink(project, ScratchPath("link.xls"));
  const std::string form = GetFolders().ProgramFolder() + "Forms/FormLoad_en.xls";
  ASSERT_TRUE(std::filesystem::exists(form)) << form;
  for (const std::string& path : {project, ScratchPath("./Line.orv"), ScratchPath("link.xls"), catalogue, form}) {
    const std::string before = FileBytes(path);
    messages.shown.clear();
    fileDialogs.answers.push_back(path);
    Action("ActCalcProject")->trigger();
    ASSERT_EQ(messages.shown.size(), 1u) << path;
    EXPECT_EQ(messages.shown[0].text,
              "The report cannot be saved over the open project, the wire catalogue or a report template. "
              "Choose another file.");
    EXPECT_EQ(FileBytes(path), before) << path;
  }
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_EQ(waitShows.shows, 0);
}

TEST_F(MainWindowTest, ImportTakesOverTheClimateAndLeavesTheSupports) {
  fileDialogs.answers.push_back(WriteSample("Line.orv", SampleProject(2)));
  Action("ActProjectOpen")->trigger();
  ClickWidget(*Lab(3));
  const std::string dtr = ScratchPath("route.dtr");
  std::ofstream(dtr, std::ios::binary) << DastrelText("15");
  fileDialogs.answers.push_back(dtr);

  Action("ActImportFromDastrel")->trigger();

  ASSERT_EQ(fileDialogs.requests.size(), 2u);
  EXPECT_EQ(fileDialogs.requests[1].title, "Import data from Dastrel - Orvane");
  EXPECT_EQ(fileDialogs.requests[1].filter, "Dastrel|*.dtr");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tols")->Value(), 15);
  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tgbw")->Value(), -5.5);
  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimatKoef(), "V_Otv")->Value(), 1.1);
  EXPECT_EQ(Main().Document().Project().KlimatKoef.TerrainType, 3);
  EXPECT_EQ(Main().Document().Project().Pillars.Count(), 2);
  EXPECT_EQ(Pages()->currentIndex(), 2);
  EXPECT_TRUE(Main().IsModified()) << "the saved copy is not renewed by an import";
}

TEST_F(MainWindowTest, FailedImportLeavesTheClimateAndTheFrames) {
  fileDialogs.answers.push_back(WriteSample("Line.orv", SampleProject(1)));
  Action("ActProjectOpen")->trigger();
  const std::string dtr = ScratchPath("broken.dtr");
  std::ofstream(dtr, std::ios::binary) << DastrelText("thick");
  fileDialogs.answers.push_back(dtr);

  Action("ActImportFromDastrel")->trigger();

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
  EXPECT_NE(messages.shown[0].text.find("'thick' is not a valid floating point value"), std::string::npos);
  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tols")->Value(), 25);
  EXPECT_EQ(Child<TRealSpinEdit>(*FrameKlimat(), "Tgbw")->Value(),
            Main().Document().Project().Klimat.TempIceNoWind);
  EXPECT_FALSE(Main().IsModified());
}

TEST_F(MainWindowTest, HelpOpensTheManualOfTheCurrentLanguage) {
  for (const auto& [language, manual] : {std::pair{0, "Orvhlp_en.pdf"}, std::pair{1, "Orvhlp_ru.pdf"}}) {
    Start(language);
    std::ofstream(folders.programFolder + manual) << "%PDF-1.4";
    shell.opened.clear();
    Action("ActHelp")->trigger();
    EXPECT_EQ(shell.opened, std::vector<std::string>{folders.programFolder + manual});
    EXPECT_TRUE(messages.shown.empty());
  }
}

TEST_F(MainWindowTest, AboutShowsTheBoxWithoutWaiting) {
  Action("ActAbout")->trigger();
  ProcessEvents();
  TFormAbout& about = Windows().FormAbout();
  EXPECT_TRUE(about.isVisible());
  EXPECT_FALSE(about.isModal());
  EXPECT_EQ(Child<QLabel>(about, "LabelVersion")->text().toStdString(), "version 1.8");
  about.close();
}

TEST_F(MainWindowTest, UnitsRunsTheUnitsDialogModally) {
  TModalScript script;
  script.Then([](QWidget& dialog) {
    Child<QPushButton>(dynamic_cast<TFormUnitsDlg&>(dialog), "CancelBtn")->click();
  });
  Action("ActUnits")->trigger();
  ProcessEvents();
  EXPECT_EQ(script.seen, std::vector<std::string>{"TFormUnitsDlg"});
}
