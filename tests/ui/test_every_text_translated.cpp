// Every window and dialog of the program, opened in each language as the
// user opens them, shows no word of the other language's script.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>

#include "platform/qt_messages.h"
#include "project/catalogue/wire_catalog.h"
#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "ui/dialogs/form_about.h"
#include "ui/dialogs/form_save_project.h"
#include "ui/dialogs/form_units_dlg.h"
#include "ui/dialogs/form_wait.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/pillars/form_pillars.h"
#include "ui/wires/form_wires_base.h"
#include "ui/wires/form_wires_edit.h"
#include "widgets/real_spin_edit.h"
#include "ui/results/supports_view.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::platform;
using namespace orv::widgets;

namespace {

void AddTable(const QTableWidget& table, QStringList& texts) {
  for (int column = 0; column < table.columnCount(); ++column) {
    if (const QTableWidgetItem* item = table.horizontalHeaderItem(column)) texts << item->text();
    for (int row = 0; row < table.rowCount(); ++row)
      if (const QTableWidgetItem* item = table.item(row, column)) texts << item->text();
  }
}

// The window's own parts, not those of the dialogs it owns.
template <class Part>
QList<Part*> Own(const QWidget& window) {
  QList<Part*> parts = window.findChildren<Part*>();
  parts.removeIf([&window](Part* part) { return part->window() != &window; });
  return parts;
}

// What the user reads in a window: its title and every caption in it.
QStringList TextsOf(const QWidget& window) {
  QStringList texts{window.windowTitle()};
  for (const QLabel* label : Own<QLabel>(window)) texts << label->text();
  for (const QAbstractButton* button : Own<QAbstractButton>(window)) texts << button->text() << button->toolTip();
  for (const QGroupBox* box : Own<QGroupBox>(window)) texts << box->title();
  for (const QTabWidget* tabs : Own<QTabWidget>(window))
    for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  for (const QLineEdit* edit : Own<QLineEdit>(window)) texts << edit->placeholderText();
  for (const QTableWidget* table : Own<QTableWidget>(window)) AddTable(*table, texts);
  for (const QAction* action : window.findChildren<QAction*>()) texts << action->text() << action->toolTip();
  for (const QMenu* menu : window.findChildren<QMenu*>()) texts << menu->title();
  return texts;
}

class EveryTextTest : public MainWindowTest {
 protected:
  // The names the user gives (wires, the project's file) and the program's
  // own marks are the same in both languages.
  QString WithoutNames(QString text) {
    for (const TWireRecord& wire : Catalogue().List().Records()) text.remove(QString::fromStdString(wire.WireName));
    // The language's own choice is offered in both; the approaching angles'
    // symbols, the quantities' subscripts and the key names are the same in both.
    for (const char* name : {"line_110kv_en", "line_35kv_ru", "Orvane", "Quorin", "Dastrel", "Excel", "Windows-1251", "Язык (Language)",
                             "Language(Язык)", "Alfa (р", "Alfa (а,в", "T/tg", "Tmin", "Ctrl", "ОК"})
      text.remove(name);
    static const QRegularExpression symbols("[γσ][A-Za-z0-9.]*|<a href.*</a>|\\*\\.[a-z]+");
    text.remove(symbols);
    return text;
  }
  QStringList Foreign(const QStringList& texts, int language) {
    static const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
    static const QRegularExpression latinWord("[A-Za-z]{2,}");
    QStringList found;
    for (const QString& text : texts) {
      const QString rest = WithoutNames(text);
      if (rest.contains(language == 0 ? cyrillic : latinWord)) found << text;
    }
    found.removeDuplicates();
    return found;
  }
  // Opens every window and dialog once, as the user would, and gathers
  // what they show.
  QStringList Walk() {
    fileDialogs.requests.clear();
    QStringList texts = TextsOf(Main());
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             &Windows().FormPillars(), &Windows().FormUnitsDlg(), &Windows().LanguageDialog(),
             &Windows().FormAbout(), &Windows().FormSave_Project()}) {
      dialog->show();
      texts << TextsOf(*dialog);
      dialog->hide();
    }
    Windows().FormWiresBase().ShowEditing();
    texts << TextsOf(Windows().FormWiresBase());
    {
      TModalScript script;
      script.Then([&texts](QWidget& editor) {
        texts << TextsOf(editor);
        dynamic_cast<QDialog&>(editor).reject();
      });
      Child<QPushButton>(Windows().FormWiresBase(), "BtnCreate")->click();
    }
    Windows().FormWiresBase().hide();
    Windows().FormWait().ShowWait("");
    texts << TextsOf(Windows().FormWait());
    Windows().FormWait().CloseWait();
    {
      TModalScript script;
      script.Then([&texts](QWidget& details) {
        texts << TextsOf(details);
        dynamic_cast<QDialog&>(details).accept();
      });
      Action("ActPillarDetails")->trigger();
    }
    for (MessageButtons buttons : {MessageButtons::YesNo, MessageButtons::Ok, MessageButtons::SaveDiscardCancel})
      texts << TextsOf(*BuildMessageBox(MessageKind::Warning, "", buttons, nullptr));
    // The file dialogs, each cancelled.
    for (const char* action : {"ActProjectOpen", "ActProjectSaveAs", "ActCalcProject", "ActImportFromDastrel"})
      Action(action)->trigger();
    Child<QPushButton>(Windows().FormWiresBase(), "BtnExport")->click();
    for (const FileDialogRequest& request : fileDialogs.requests)
      texts << QString::fromStdString(request.title) << QString::fromStdString(request.filter);
    // Qt's own file dialog, which the program shows where the system has none.
    QFileDialog qtDialog;
    qtDialog.setOption(QFileDialog::DontUseNativeDialog);
    qtDialog.show();
    texts << TextsOf(qtDialog);
    qtDialog.hide();
    // A support that cannot be calculated, in the editor's live result.
    Child<TRealSpinEdit>(Windows().FormPillars(), "ProletLeftSpEdit")->SetValue(0);
    Windows().FormPillars().show();
    ProcessEvents();
    texts << TextsOf(Windows().FormPillars());
    Windows().FormPillars().hide();
    return texts;
  }
};

}  // namespace

TEST_F(EveryTextTest, NoWindowShowsTheOtherLanguagesScript) {
  const std::pair<int, const char*> languages[] = {{0, "line_110kv_en.orv"}, {1, "line_35kv_ru.orv"}};
  for (const auto& [language, example] : languages) {
    SCOPED_TRACE(language);
    if (language == 1) StopWindows();
    OpenShippedExample(language, example);
    Grid()->SelectRow(0);
    Windows().FormPillars().LoadSupport(Main().Document().Project().Pillars.Items(0));
    const QStringList foreign = Foreign(Walk(), language);
    EXPECT_TRUE(foreign.isEmpty()) << foreign.join("\n").toStdString();
  }
}
