// Pictures of the results table, the support editor with its live result and
// the details view of a support, in both languages, for the manual and for
// review; runs only when ORVANE_SCREENSHOT_DIR names the target folder
// (tools/screenshots_results.sh).

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>

#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/pillars/form_pillars.h"
#include "ui/results/supports_view.h"
#include "widgets/navigation_label.h"
#include "widgets/real_spin_edit.h"

using namespace orv::ui;
using namespace orv::widgets;

TEST_F(MainWindowTest, ScreenshotsOfTheResultsInBothLanguages) {
  const QString folder = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "ORVANE_SCREENSHOT_DIR is not set";
  ASSERT_TRUE(QDir().mkpath(folder));
  const struct {
    int language;
    const char* suffix;
    const char* example;
    int row;
  } languages[] = {{0, "en", "line_110kv_en.orv", 2}, {1, "ru", "line_35kv_ru.orv", 1}};
  for (const auto& language : languages) {
    OpenShippedExample(language.language, language.example);
    ClickWidget(*Lab(3));
    Main().SelectSupport(language.row);
    ProcessEvents();
    const auto save = [&](QWidget& window, const char* name) {
      QApplication::processEvents();
      const QString path = folder + QString("/%1_%2.png").arg(name, language.suffix);
      EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
    };
    save(Main(), "results_table");

    TModalScript editor;
    editor.Then([&](QWidget& dialog) {
      auto& form = dynamic_cast<TFormPillars&>(dialog);
      TypeInto(*Child<TRealSpinEdit>(form, "ProletRightSpEdit"), "320");
      save(dialog, "dialog_support_live");
      Child<QPushButton>(form, "BitBtnCancel")->click();
    });
    Action("ActPillarEdit")->trigger();

    TModalScript details;
    details.Then([&](QWidget& dialog) {
      save(dialog, "support_details");
      dialog.close();
    });
    Main().findChild<QAction*>("ActPillarDetails")->trigger();
  }
}
