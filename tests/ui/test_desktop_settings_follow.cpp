// Windows that follow a change of the settings at once: the catalogue after a
// units switch, the status bar and the language dialog after a language one.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

#include "project/catalogue/wire_catalog.h"
#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/dialogs/form_units_dlg.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/wires/form_wires_base.h"
#include "widgets/wires_grid.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::ui;
using namespace orv::widgets;

TEST_F(MainWindowTest, CatalogueShowsTheNewUnitsAsSoonAsTheyAreChosen) {
  TWireRecord wire;
  wire.WireName = "AC 70/11";
  wire.WireModulus = 8250;
  Catalogue().Add(wire);
  Catalogue().Add(wire);
  Action("ActWiresGuide")->trigger();
  TFormWiresBase& wires = Windows().FormWiresBase();
  Child<TWiresGrid>(wires, "Grid")->SelectRow(1);
  EXPECT_EQ(Child<TWiresGrid>(wires, "Grid")->Cell(4, 1), "8250");

  TModalScript script;
  script.Then([](QWidget& dialog) {
    auto& units = dynamic_cast<TFormUnitsDlg&>(dialog);
    QTest::mouseClick(Child<TRadioGroup>(units, "rgUnits")->Item(1), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(units, "OKBtn"), Qt::LeftButton);
  });
  Action("ActUnits")->trigger();
  ProcessEvents();

  ASSERT_EQ(script.seen, std::vector<std::string>{"TFormUnitsDlg"});
  EXPECT_EQ(Child<QPushButton>(wires, "Heading5")->text().toStdString(), "Modulus\nof elasticity,\nkN/mm^2");
  EXPECT_EQ(Child<TWiresGrid>(wires, "Grid")->Cell(4, 1), "82.5");
  EXPECT_EQ(Child<TWiresGrid>(wires, "Grid")->SelectedRow(), 1);
}

TEST_F(MainWindowTest, LanguageChangeLeavesNoHintInTheStatusBarAndItsTitleFits) {
  QAction* language = Action("ActSettingLanguage");
  // The menu entry under the mouse puts its hint into the status bar.
  QStatusTipEvent hint(language->statusTip());
  QApplication::sendEvent(&Main(), &hint);
  ASSERT_FALSE(Main().statusBar()->currentMessage().isEmpty());

  int width = 0;
  int titleWidth = 0;
  TModalScript script;
  script.Then([&](QWidget& dialog) {
    auto& languageDialog = dynamic_cast<TLanguageDialog&>(dialog);
    width = languageDialog.width();
    titleWidth = languageDialog.fontMetrics().horizontalAdvance(languageDialog.windowTitle());
    Child<QComboBox>(languageDialog, "cbxLanguage")->setCurrentIndex(1);
    QTest::mouseClick(Child<QPushButton>(languageDialog, "OKBtn"), Qt::LeftButton);
  });
  language->trigger();
  ProcessEvents();

  EXPECT_TRUE(Main().statusBar()->currentMessage().isEmpty());
  EXPECT_TRUE(Label("PahelStatusBar")->isVisible());
  EXPECT_EQ(Label("PahelStatusBar")->text().toStdString(), "   Quorin - проектирование ВЛ, ВОЛС ВЛ, ВОЛС.");
  // Room for the caption beside the title bar's icon and buttons.
  EXPECT_GE(width, titleWidth + 150);
}
