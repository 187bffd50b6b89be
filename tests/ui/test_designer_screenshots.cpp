// Pictures of the stress pages and of a long line's profile zoomed in, in
// both languages, for the manual and for review; runs only when
// ORVANE_SCREENSHOT_DIR names the target folder.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/pillars/form_pillars.h"
#include "widgets/navigation_label.h"
#include "widgets/profile_view.h"
#include "widgets/real_spin_edit.h"
#include "ui/results/supports_view.h"

using namespace orv::calc;
using namespace orv::project;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

class DesignerScreenshots : public MainWindowTest {
 protected:
  void SetUp() override {
    folder = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "ORVANE_SCREENSHOT_DIR is not set";
    MainWindowTest::SetUp();
    ASSERT_TRUE(QDir().mkpath(folder));
  }
  void Save(QWidget& window, const char* name, int language) {
    QApplication::processEvents();
    const QString path = folder + "/" + name + (language == 0 ? "_en.png" : "_ru.png");
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
  }
  QString folder;
};

}  // namespace

TEST_F(DesignerScreenshots, StressPagesAndALongLineZoomedIn) {
  const std::pair<int, const char*> languages[] = {{0, "line_110kv_en.orv"}, {1, "line_35kv_ru.orv"}};
  for (const auto& [language, example] : languages) {
    if (language == 1) StopWindows();
    OpenShippedExample(language, example);
    TFormPillars& editor = Windows().FormPillars();
    editor.LoadSupport(Main().Document().Project().Pillars.Items(0));
    editor.show();
    Save(editor, "dialog_support_stresses", language);
    Child<QTabWidget>(editor, "PcNapr")->setCurrentIndex(1);
    Save(editor, "dialog_support_tensions", language);
    editor.hide();

    // A long result scrolls within the editor, which keeps its size.
    ClickWidget(*Lab(3));
    TModalScript longResult;
    longResult.Then([&](QWidget& dialog) {
      auto& form = dynamic_cast<TFormPillars&>(dialog);
      const QSize size = form.size();
      TypeInto(*Child<TRealSpinEdit>(form, "ProletLeftSpEdit"), "999999999");
      TypeInto(*Child<TRealSpinEdit>(form, "AlfaPSpEdit"), "200");
      ProcessEvents();
      EXPECT_EQ(form.size(), size);
      Save(dialog, "dialog_support_long_result", language);
      Child<QPushButton>(form, "BitBtnCancel")->click();
    });
    Action("ActPillarEdit")->trigger();

    TProject line = SampleProject(1000);
    for (int i = 0; i < line.Pillars.Count(); ++i) {
      TPillar& support = line.Pillars.Items(i);
      support.WireName = "АС 150/24";
      support.SpanEquivalent = support.SpanLeft;
      support.HeightLeft = support.HeightThis = support.HeightRight = 19;
      support.GroundThis = 200 + 15 * std::sin(i / 9.0);
      support.GroundLeft = support.GroundRight = support.GroundThis;
      support.AlfaP = 50;
      support.AlfaAB = 20;
      support.AlfaBal = 55;
      support.InsulatorWeight = 52;
      support.StressAverage = 9;
    }
    fileDialogs.answers.push_back(WriteSample("long.orv", line));
    Action("ActProjectOpen")->trigger();
    ClickWidget(*Lab(3));
    Main().findChild<QTabWidget*>("Pictures")->setCurrentIndex(1);
    auto* profile = Main().findChild<ProfileView*>("ProfileView");
    for (int i = 0; i < 18; ++i) profile->ZoomInButton->click();
    Grid()->SelectRow(500);
    Save(Main(), "profile_1000_zoomed", language);
    // The whole line again, thinned to what the pixels show.
    profile->FitButton->click();
    Save(Main(), "profile_1000_fitted", language);
  }
}
