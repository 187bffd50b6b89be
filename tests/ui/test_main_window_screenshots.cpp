// Pictures of the main window, one per section, in both languages, for the
// manual and for review; runs only when ORVANE_SCREENSHOT_DIR names the
// target folder (tools/screenshots_main.sh).

#include <QDir>
#include <QPixmap>

#include "test_main_window_fixture.h"
#include "widgets/navigation_label.h"

using namespace orv::widgets;

TEST_F(MainWindowTest, ScreenshotsOfEverySectionInBothLanguages) {
  const QString folder = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "ORVANE_SCREENSHOT_DIR is not set";
  ASSERT_TRUE(QDir().mkpath(folder));
  const struct {
    int language;
    const char* suffix;
    const char* example;
  } languages[] = {{0, "en", "line_110kv_en.orv"}, {1, "ru", "line_35kv_ru.orv"}};
  for (const auto& language : languages) {
    OpenShippedExample(language.language, language.example);
    const struct {
      TNavigationLabel* label;
      const char* name;
    } sections[] = {{Lab(1), "climate"}, {Lab(2), "coefficients"}, {Lab(3), "supports"}};
    for (const auto& section : sections) {
      ClickWidget(*section.label);
      const QString path = folder + QString("/main_window_%1_%2.png").arg(section.name, language.suffix);
      EXPECT_TRUE(Main().grab().save(path)) << path.toStdString();
    }
  }
}
