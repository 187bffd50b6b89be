// Pictures of the support editor and the catalogue windows in both
// languages, for the manual and for review; runs only when
// ORVANE_SCREENSHOT_DIR names the target folder (tools/screenshots_windows.sh).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>

#include "calc/pillar.h"
#include "project/catalogue/wire_catalog_sort.h"
#include "settings/units.h"
#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "test_wires_window_fixture.h"
#include "ui/pillars/form_pillars.h"
#include "ui/wires/wire_number_edit.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::ui;

namespace {

class PillarsScreenshots : public WiresWindowTest {
 protected:
  void SetUp() override {
    folder = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "ORVANE_SCREENSHOT_DIR is not set";
    WiresWindowTest::SetUp();
    ASSERT_TRUE(QDir().mkpath(folder));
  }

  void Save(QWidget& window, const std::string& name, int language) {
    QApplication::processEvents();
    const QString path =
        folder + "/" + QString::fromStdString(name) + (language == 0 ? "_en.png" : "_ru.png");
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
  }

  static TPillar Sample() {
    TPillar support;
    support.SupportNumber = "12";
    support.WireName = "АС 150/24";
    support.SpanLeft = 270;
    support.SpanRight = 285;
    support.SpanEquivalent = 290;
    support.GroundLeft = 214;
    support.GroundThis = 212.4;
    support.GroundRight = 218.9;
    support.HeightLeft = 19;
    support.HeightThis = 19;
    support.HeightRight = 19;
    support.AlfaP = 50;
    support.AlfaAB = 20;
    support.AlfaBal = 55;
    support.DamperWeight = 5.5;
    support.InsulatorWeight = 52;
    support.StressMax = 13.5;
    support.StressAverage = 9;
    return support;
  }

  // The catalogue the build makes from data/wires.csv, as a user first sees it.
  void ShowShipped() {
    const std::string shipped = std::string(ORVANE_PROGRAM_DIR) + "/base_provod.dat";
    ASSERT_TRUE(std::filesystem::exists(shipped)) << "build the target orv_catalogue first";
    catalog.Load(shipped);
    catalog.SortBy(kSortByName);
    window->ShowEditing();
    QApplication::processEvents();
  }

  QString folder;
};

TEST_F(PillarsScreenshots, SupportEditorAndCatalogueWindowsInBothLanguages) {
  for (int language : {0, 1}) {
    UseLanguage(language);
    TFormPillars editorForm;
    editorForm.LoadSupport(Sample());
    editorForm.show();
    Save(editorForm, "dialog_support", language);
    editorForm.hide();

    ShowShipped();
    Save(*window, "window_wires_catalogue", language);
    window->hide();
    TModalScript script;
    script.Then([&](QWidget& modal) {
      Save(modal, "window_wires_select", language);
      Child<QPushButton>(*window, "BtnCancel")->click();
    });
    window->RunSelection("АС 150/24");

    editor->FillFrom(catalog.List().FindByName("АС 150/24"));
    editor->show();
    Save(*editor, "dialog_wire_edit", language);
    // A field it cannot take, pointed out in place.
    Child<TWireNumberEdit>(*editor, "EditDiameter")->clear();
    editor->CheckFields();
    Save(*editor, "dialog_wire_edit_problem", language);
    editor->hide();
  }
  // The modulus in kN/mm² with N-based units.
  SetUnitsForSession(1);
  ShowShipped();
  Save(*window, "window_wires_catalogue_kN", 1);
}

}  // namespace
