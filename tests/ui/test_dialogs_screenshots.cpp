// Pictures of the frames and dialogs in both languages for the manual and
// for review; runs only when ORVANE_SCREENSHOT_DIR names the target folder
// (tools/screenshots.sh).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <functional>
#include <memory>

#include "platform/qt_messages.h"
#include "settings/localization.h"
#include "support/find_child.h"
#include "support/gui_test_ports.h"
#include "ui/dialogs/form_about.h"
#include "ui/dialogs/form_units_dlg.h"
#include "ui/dialogs/form_wait.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::platform;
using namespace orv::ui;

namespace {

class DialogsScreenshots : public GuiTest {
 protected:
  void SetUp() override {
    folder = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "ORVANE_SCREENSHOT_DIR is not set";
    GuiTest::SetUp();
    ASSERT_TRUE(QDir().mkpath(folder));
  }

  void Save(QWidget& window, const QString& name, int language) {
    window.show();
    window.adjustSize();
    QApplication::processEvents();
    const QString path = folder + "/" + name + (language == 0 ? "_en.png" : "_ru.png");
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
    window.hide();
  }

  QString folder;
};

TEST_F(DialogsScreenshots, EveryWindowInBothLanguages) {
  for (int language : {0, 1}) {
    UseLanguage(language);
    TFrameKlimat klimat;
    klimat.ShowData(TKlimat());
    klimat.Localise();
    Save(klimat, "frame_klimat", language);

    TFrameKlimatKoef koef;
    koef.ShowData(TKlimatKoef());
    koef.Localise();
    Save(koef, "frame_klimat_koef", language);

    TLanguageDialog languageDialog;
    Child<QComboBox>(languageDialog, "cbxLanguage")->setCurrentIndex(language);
    Save(languageDialog, "dialog_language", language);
    // The save question is the message box the program asks it with.
    const auto savePrompt = BuildMessageBox(MessageKind::Warning, LocalText("Save_changes_question"),
                                            MessageButtons::SaveDiscardCancel, nullptr);
    Save(*savePrompt, "dialog_save_project", language);
    TFormUnitsDlg units;
    Save(units, "dialog_units", language);
    TFormAbout about;
    FillAboutBox(about);
    Save(about, "dialog_about", language);

    TFormWait wait;
    // As the report shows it, half way through a line of 24 supports.
    wait.ShowWait(LocalText("Port_to_Excel") + "\n" + LocalText("Support") + " 12 / 24");
    Save(wait, "window_wait", language);
  }
}

}  // namespace
