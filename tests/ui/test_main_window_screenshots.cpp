// Pictures of the main window, one per section, in both languages, for the
// manual and for review; runs only when ORVANE_SCREENSHOT_DIR names the
// target folder (tools/screenshots_main.sh).

#include <QAction>
#include <QDir>
#include <QPixmap>

#include "project/wire_catalog.h"
#include "test_main_window_fixture.h"
#include "widgets/navigation_label.h"

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
    Start(language.language);
    // The shipped catalogue, so that the supports section shows results.
    WiresCatalogue().Clear();
    WiresCatalogue().LoadFromFile(std::string(ORVANE_PROGRAM_DIR) + "/base_provod.dat");
    fileDialogs.answers.push_back(std::string(ORVANE_SOURCE_DIR) + "/examples/" + language.example);
    Action("ActProjectOpen")->trigger();
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
