// The desktop program as a line designer works in it: each case drives the
// windows by clicks and keys on the shipped examples.

#include <QAction>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "project/project_file.h"
#include "project/wire_catalog.h"
#include "test_main_window_fixture.h"
#include "ui/pillars/form_pillars.h"
#include "widgets/int_spin_edit.h"
#include "widgets/real_spin_edit.h"
#include "widgets/supports_grid.h"

namespace {

class DesignerTest : public MainWindowTest {
 protected:
  const TPillar& Support(int row) { return Main().Document().Project().Pillars.Items(row); }
  // Opens the editor on `row` by a double click and lets `work` act in it.
  void EditRow(int row, std::function<void(TFormPillars&)> work) {
    TModalScript script;
    script.Then([work](QWidget& dialog) { work(dynamic_cast<TFormPillars&>(dialog)); });
    Grid()->SelectRow(row);
    emit Grid()->RowDoubleClicked(row);
    ASSERT_EQ(script.seen.size(), 1u);
  }
};

void ClickTab(QTabWidget& pages, int index) {
  QTabBar* bar = pages.tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

}  // namespace

// Looking at the other page loses nothing; the pages are one pair of limits
// in two units; the page last edited is the one the support uses.
TEST_F(DesignerTest, StressPagesShowOneLimitInTwoUnitsAndAGlanceChangesNothing) {
  OpenShippedExample(0, "line_110kv_en.orv");
  const double area = WiresCatalogue().FindByName(Support(0).WireName).WireArea;
  ASSERT_GT(area, 0);
  EditRow(0, [&](TFormPillars& editor) {
    ClickTab(*editor.PcNapr, 1);
    EXPECT_EQ(editor.seTag_max->Value(), std::lround(13.5 * area));
    EXPECT_EQ(editor.seTag_srg->Value(), std::lround(9 * area));
    editor.BitBtnOK->click();
  });
  EXPECT_EQ(Support(0).TensionMode, 0);
  EXPECT_EQ(Support(0).StressMax, 13.5);
  EXPECT_FALSE(Main().IsModified());
  fileDialogs.answers.push_back(ScratchPath("glance.orv"));
  Action("ActProjectSaveAs")->trigger();
  TProject reread;
  LoadProjectFile(ScratchPath("glance.orv"), reread);
  EXPECT_EQ(reread.Pillars.Items(0).StressMax, 13.5);
  EXPECT_EQ(reread.Pillars.Items(0).StressAverage, 9);

  EditRow(0, [&](TFormPillars& editor) {
    ClickTab(*editor.PcNapr, 1);
    TypeInto(*editor.seTag_max, "2000");
    EXPECT_DOUBLE_EQ(editor.seNapr_max->Value(), 2000 / area);
    ClickTab(*editor.PcNapr, 0);
    editor.BitBtnOK->click();
  });
  EXPECT_EQ(Support(0).TensionMode, 1);
  EXPECT_EQ(Support(0).TensionMax, 2000);
  EXPECT_EQ(Support(0).TensionAverage, std::lround(9 * area));
}
