// The wire catalogue window and its add/edit dialog: what the grid shows,
// what each command does to the catalogue and to the change count.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "settings/localization.h"
#include "settings/units.h"
#include "support/find_child.h"
#include "test_main_window_fixture.h"
#include "test_wires_window_fixture.h"
#include "ui/dialogs/input_checks.h"
#include "ui/wires/wire_number_edit.h"
#include "widgets/input_problem.h"
#include "widgets/wires_grid.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::platform;
using namespace orv::ui;
using namespace orv::widgets;

namespace {

constexpr int kDiameterField = 0;
constexpr int kModulusField = 3;

// The number fields of the add/edit dialog are named after their captions.
const char* const kNumberKeys[] = {"Diameter", "Sect_area", "Weight_per", "Modulus", "Linear_coef"};

TWireNumberEdit* NumberEdit(const QObject& dialog, int field) {
  return Child<TWireNumberEdit>(dialog, (std::string("Edit") + kNumberKeys[field]).c_str());
}

QLabel* NumberLabel(const QObject& dialog, int field) {
  return Child<QLabel>(dialog, (std::string("Label") + kNumberKeys[field]).c_str());
}

// The add/edit dialog as the next modal window: `change` fills it, then OK.
void AnswerEditor(TModalScript& script, std::function<void(TFormWiresEdit&)> change, bool ok = true) {
  script.Then([change, ok](QWidget& dialog) {
    auto& editor = dynamic_cast<TFormWiresEdit&>(dialog);
    if (change) change(editor);
    (ok ? Child<QPushButton>(editor, "BtnOK") : Child<QPushButton>(editor, "BtnCancel"))->click();
  });
}

using Names = std::vector<std::string>;

// Replaces the field's whole text by keys, as the user does; any character,
// not only those of a Latin keyboard.
void Retype(QLineEdit& field, const QString& text) {
  field.setFocus();
  QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&field, Qt::Key_Backspace);
  for (const QChar character : text)
    QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

}  // namespace

TEST_F(WiresWindowTest, EmptyCatalogueShowsOneEmptyRowAndDisablesWhatNeedsAWire) {
  for (const bool selection : {false, true}) {
    SCOPED_TRACE(selection ? "selection mode" : "editing mode");
    if (selection) {
      TModalScript script;
      script.Then(
          [](QWidget& w) { Child<QPushButton>(dynamic_cast<TFormWiresBase&>(w), "BtnCancel")->click(); });
      ShowWith({});
      window->hide();
      EXPECT_FALSE(window->RunSelection());
    } else {
      ShowWith({});
    }
    EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->RowCount(), 1);
    EXPECT_EQ(Column(0), Names{""});
    EXPECT_FALSE(Child<QPushButton>(*window, "BtnSelect")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(*window, "BtnEdit")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(*window, "BtnDelete")->isEnabled());
    EXPECT_FALSE(Child<QAction>(*window, "MiEdit")->isEnabled());
    EXPECT_FALSE(Child<QAction>(*window, "MiDelete")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(*window, "BtnCreate")->isEnabled());
    EXPECT_EQ(Child<QPushButton>(*window, "BtnSelect")->isVisibleTo(window.get()), selection);
    EXPECT_EQ(Child<QPushButton>(*window, "BtnCancel")->isVisibleTo(window.get()), selection);
    EXPECT_EQ(Child<QPushButton>(*window, "BtnCreate")->isVisibleTo(window.get()), !selection);
    EXPECT_EQ(Child<QPushButton>(*window, "BtnClose")->isVisibleTo(window.get()), !selection);
  }
}

TEST_F(WiresWindowTest, GroupFilterListsTheGroupsWiresInCatalogueOrder) {
  ShowWith({Wire("B", 1, 10), Wire("A", 5, 11), Wire("C", 1, 12), Wire("D", 9, 13)});
  const struct {
    int filter;
    Names names;
  } cases[] = {
      {0, {"B", "A", "C", "D"}},  // a group outside 1 to 7 shows only here
      {1, {"B", "C"}},
      {5, {"A"}},
      {7, {""}},
  };
  ASSERT_EQ(Child<QComboBox>(*window, "CbGroup")->count(), 8);
  EXPECT_EQ(Child<QComboBox>(*window, "CbGroup")->itemText(7).toStdString(), "Others");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    Child<QComboBox>(*window, "CbGroup")->setCurrentIndex(c.filter);
    EXPECT_EQ(window->GroupFilter(), c.filter);
    EXPECT_EQ(Column(0), c.names);
    EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->SelectedRow(), 0);
  }
  // The filter survives hiding and showing again.
  window->hide();
  window->ShowEditing();
  EXPECT_EQ(Child<QComboBox>(*window, "CbGroup")->currentIndex(), 7);
}

TEST_F(WiresWindowTest, OthersWithoutWiresKeepsEditEnabledButEditFindsNothing) {
  ShowWith({Wire("B", 1, 10)});
  Child<QComboBox>(*window, "CbGroup")->setCurrentIndex(7);
  EXPECT_EQ(Column(0), Names{""});
  EXPECT_TRUE(Child<QPushButton>(*window, "BtnEdit")->isEnabled());
  TModalScript script;
  AnswerEditor(script, nullptr);
  Child<QPushButton>(*window, "BtnEdit")->click();
  Child<QPushButton>(*window, "BtnDelete")->click();
  EXPECT_TRUE(script.seen.empty()) << "no wire has an empty name";
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(catalog.IsModified());
}

TEST_F(WiresWindowTest, ModulusFollowsTheUnitsInGridHeadingAndDialogAndRoundTrips) {
  const struct {
    int units;
    const char* cell;
    const char* heading;
  } cases[] = {
      {0, "8250", "Modulus\nof elasticity,\ndaN/mm^2"},
      {1, "82.5", "Modulus\nof elasticity,\nkN/mm^2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.units);
    SetUnitsForSession(c.units);
    ShowWith({Wire("AC 70/11", 1, 11.4, 8250)});
    EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->Cell(4, 0), c.cell);
    EXPECT_EQ(Child<QPushButton>(*window, "Heading5")->text().toStdString(), c.heading);
    std::string shown;
    TModalScript script;
    AnswerEditor(script,
                 [&](TFormWiresEdit& e) { shown = NumberEdit(e, kModulusField)->text().toStdString(); });
    Child<QPushButton>(*window, "BtnEdit")->click();
    EXPECT_EQ(shown, c.cell);
    EXPECT_EQ(catalog.List().Items(0).WireModulus, 8250);
    EXPECT_TRUE(catalog.List().Items(0).Equals(Wire("AC 70/11", 1, 11.4, 8250)));
    EXPECT_FALSE(catalog.IsModified()) << "the round trip changed nothing";
    window->hide();
  }
}

TEST_F(WiresWindowTest, TypedModulusIsConvertedBackFromTheShownUnits) {
  SetUnitsForSession(1);
  ShowWith({Wire("AC 70/11", 1, 11.4, 8250)});
  TModalScript script;
  AnswerEditor(script, [](TFormWiresEdit& e) { NumberEdit(e, kModulusField)->setText("90"); });
  Child<QPushButton>(*window, "BtnEdit")->click();
  EXPECT_DOUBLE_EQ(catalog.List().Items(0).WireModulus, 9000);
  EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->Cell(4, 0), "90");
}

TEST_F(WiresWindowTest, HeadingClickSortsTheWholeCatalogueAscendingEveryTime) {
  ShowWith({Wire("B", 1, 12), Wire("A", 2, 30), Wire("C", 1, 5)});
  const struct {
    int column;
    Names names;
  } cases[] = {
      {1, {"C", "B", "A"}},  // diameter, twice: still ascending
      {1, {"C", "B", "A"}},
      {0, {"A", "B", "C"}},
      {2, {"C", "B", "A"}},  // area follows the diameter here
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.column);
    Child<QPushButton>(*window, QString("Heading%1").arg(c.column + 1))->click();
    EXPECT_EQ(Column(0), c.names);
    EXPECT_EQ(catalog.List().Items(0).WireName, "B") << "the catalogue keeps its own order";
  }
  EXPECT_FALSE(catalog.IsModified());
}

TEST_F(WiresWindowTest, EditingTheSecondOfTwoWiresOfOneNameEditsTheFirst) {
  ShowWith({Wire("X", 1, 10), Wire("X", 1, 20)});
  Child<TWiresGrid>(*window, "Grid")->SelectRow(1);
  std::string shown;
  TModalScript script;
  AnswerEditor(script, [&](TFormWiresEdit& e) {
    shown = NumberEdit(e, kDiameterField)->text().toStdString();
    NumberEdit(e, kDiameterField)->setText("15");
  });
  Child<QPushButton>(*window, "BtnEdit")->click();
  EXPECT_EQ(shown, "10");
  EXPECT_EQ(catalog.List().Items(0).WireDiameter, 15);
  EXPECT_EQ(catalog.List().Items(1).WireDiameter, 20);
}

// A new wire starts at zeros, which are outside the wire's ranges: OK needs
// every number.
void FillInRange(TFormWiresEdit& e) {
  const char* numbers[] = {"10", "70", "0.25", "8250", "1.92E-5"};
  for (int field = 0; field < TFormWiresEdit::kNumbers; ++field) NumberEdit(e, field)->setText(numbers[field]);
}

TEST_F(WiresWindowTest, CreateStartsInTheFilteredGroupAndTakesItsPlaceByName) {
  const struct {
    int filter;
    int pickedEntry;  // -1: the group as offered
    int group;
  } cases[] = {
      {0, -1, 7},
      {3, -1, 3},
      {0, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    ShowWith({Wire("Z", 3, 10)});
    Child<QComboBox>(*window, "CbGroup")->setCurrentIndex(c.filter);
    TModalScript script;
    AnswerEditor(script, [&](TFormWiresEdit& e) {
      if (c.pickedEntry >= 0) Child<QComboBox>(e, "CbGroup")->setCurrentIndex(c.pickedEntry);
      Child<QLineEdit>(e, "EditType")->setText("A new");
      FillInRange(e);
      NumberEdit(e, kDiameterField)->setText("7.5");
    });
    Child<QPushButton>(*window, "BtnCreate")->click();
    ASSERT_EQ(catalog.List().Count(), 2);
    const TWireRecord created = catalog.List().Items(0);
    EXPECT_EQ(created.WireName, "A new");
    EXPECT_EQ(created.WireGroup, c.group);
    EXPECT_EQ(created.WireDiameter, 7.5);
    EXPECT_EQ(created.WireModulus, 8250);
    EXPECT_TRUE(catalog.IsModified());
    EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->Cell(0, Child<TWiresGrid>(*window, "Grid")->SelectedRow()),
              "A new");
    window->hide();
  }
}

TEST_F(WiresWindowTest, DialogAcceptsAnEmptyNameAndANameAlreadyTaken) {
  ShowWith({Wire("X", 1, 10)});
  for (const char* name : {"", "X"}) {
    TModalScript script;
    AnswerEditor(script, [&](TFormWiresEdit& e) {
      Child<QLineEdit>(e, "EditType")->setText(name);
      FillInRange(e);
    });
    Child<QPushButton>(*window, "BtnCreate")->click();
  }
  EXPECT_EQ(catalog.List().Count(), 3);
  EXPECT_EQ(catalog.List().Items(0).WireName, "");
  EXPECT_EQ(catalog.List().Items(2).WireName, "X");
}

TEST_F(WiresWindowTest, CancelInTheDialogChangesNothing) {
  ShowWith({Wire("X", 1, 10)});
  for (QPushButton* button :
       {Child<QPushButton>(*window, "BtnCreate"), Child<QPushButton>(*window, "BtnEdit")}) {
    TModalScript script;
    AnswerEditor(
        script, [](TFormWiresEdit& e) { NumberEdit(e, kDiameterField)->setText("99"); }, false);
    button->click();
  }
  ASSERT_EQ(catalog.List().Count(), 1);
  EXPECT_TRUE(catalog.List().Items(0).Equals(Wire("X", 1, 10)));
  EXPECT_FALSE(catalog.IsModified());
}

TEST_F(WiresWindowTest, DeleteAsksAndDeletesFromButtonMenuAndKey) {
  const std::pair<const char*, std::function<void(TFormWiresBase&)>> routes[] = {
      {"button", [](TFormWiresBase& w) { Child<QPushButton>(w, "BtnDelete")->click(); }},
      {"menu", [](TFormWiresBase& w) { Child<QAction>(w, "MiDelete")->trigger(); }},
      {"key", [](TFormWiresBase& w) { QTest::keyClick(Child<TWiresGrid>(w, "Grid"), Qt::Key_Delete); }},
  };
  for (const auto& [route, press] : routes) {
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
      SCOPED_TRACE(std::string(route) + (answer == MessageAnswer::Yes ? " yes" : " no"));
      messages.shown.clear();
      catalog.SaveIfModified();
      ShowWith({Wire("A", 1, 10), Wire("B", 1, 11), Wire("C", 1, 12)});
      Child<TWiresGrid>(*window, "Grid")->SelectRow(2);
      messages.answers.push_back(answer);
      press(*window);
      ASSERT_EQ(MessageTexts(), Names{"Are you sure you would like to delete this wire?\r\nC"});
      EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
      EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoDefaultNo);
      if (answer == MessageAnswer::Yes) {
        EXPECT_EQ(Column(0), (Names{"A", "B"}));
        EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->SelectedRow(), 1)
            << "the selection stays within the rows";
        EXPECT_TRUE(catalog.IsModified());
      } else {
        EXPECT_EQ(catalog.List().Count(), 3);
        EXPECT_FALSE(catalog.IsModified());
      }
      window->hide();
    }
  }
}

TEST_F(WiresWindowTest, DeletingTheLastWireDisablesSelectEditAndDelete) {
  ShowWith({Wire("A", 1, 10)});
  Child<QPushButton>(*window, "BtnDelete")->click();
  EXPECT_EQ(catalog.List().Count(), 0);
  EXPECT_EQ(Column(0), Names{""});
  EXPECT_FALSE(Child<QPushButton>(*window, "BtnEdit")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(*window, "BtnDelete")->isEnabled());
}

TEST_F(WiresWindowTest, BadFieldKeepsTheDialogOpenSaysWhyInPlaceAndStoresNothing) {
  const struct {
    const char* name;
    int field;  // -1: the name
    const char* typed;
    int language;
    const char* said;
  } cases[] = {
      {"emptied area", 1, "", 0, "Sectional area: the field is empty, enter a number."},
      {"point alone", 4, ".", 0,
       "Linear thermal expansion coefficient: enter a number, for example 12.5 or 1.92E-5."},
      {"exponent unfinished", 2, "1e", 1, "Вес единицы длины: введите число, например 12.5 или 1.92E-5."},
      {"name outside Windows-1251", -1, "AC ✓ 70", 1,
       "Марка: символ «✓» нельзя сохранить в файлах (кодировка Windows-1251)."},
      {"name with a separator", -1, "AC;70", 0, "A wire name cannot hold a semicolon or a line break."},
      {"negative weight", 2, "-0.148", 0, "Weight per unit length = -0.148: outside the range 0.001 – 100 kg/m"},
      {"modulus beyond any wire", 3, "1e9", 1, "Модуль упругости = 1000000000: вне диапазона 100 – 100000 даН/мм²"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UseLanguage(c.language);
    ShowWith({Wire("X", 1, 10)});
    bool stillOpen = false;
    std::string said;
    bool fieldHasFocus = false;
    TModalScript script;
    script.Then([&](QWidget& dialog) {
      auto& e = dynamic_cast<TFormWiresEdit&>(dialog);
      QLineEdit* field = c.field < 0 ? Child<QLineEdit>(e, "EditType") : NumberEdit(e, c.field);
      Retype(*NumberEdit(e, kDiameterField), "55");
      Retype(*field, QString::fromUtf8(c.typed));
      QTest::mouseClick(Child<QPushButton>(e, "BtnOK"), Qt::LeftButton);
      stillOpen = e.isVisible();
      said = Child<TInputProblem>(e, "Problem")->isVisible()
                 ? Child<TInputProblem>(e, "Problem")->text().toStdString()
                 : "";
      fieldHasFocus = e.focusWidget() == field;
      QTest::keyClick(&e, Qt::Key_Escape);
    });
    Child<QPushButton>(*window, "BtnEdit")->click();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(said, c.said);
    EXPECT_TRUE(fieldHasFocus);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(catalog.List().Items(0).Equals(Wire("X", 1, 10))) << "nothing is stored";
    EXPECT_FALSE(catalog.IsModified());
    window->hide();
  }
}

// Catalogue -> Create as a Russian user types: a decimal comma in every
// number field is a point; a letter is not dropped but refused on OK,
// naming the field.
TEST_F(WiresWindowTest, EveryNumberFieldTakesACommaAndRefusesALetter) {
  ShowWith({Wire("X", 1, 10)});
  TModalScript script;
  AnswerEditor(script, [](TFormWiresEdit& e) {
    Retype(*Child<QLineEdit>(e, "EditType"), "AC 120");
    for (int field = 0; field < TFormWiresEdit::kNumbers; ++field) {
      SCOPED_TRACE(field);
      Retype(*NumberEdit(e, field), "9o.5");
      QTest::mouseClick(Child<QPushButton>(e, "BtnOK"), Qt::LeftButton);
      EXPECT_TRUE(e.isVisible());
      EXPECT_EQ(Child<TInputProblem>(e, "Problem")->text(), FieldName(NumberLabel(e, field)) +
                                       ": enter a number, for example 12.5 or 1.92E-5.");
      EXPECT_EQ(e.focusWidget(), NumberEdit(e, field));
      Retype(*NumberEdit(e, field), "1");
    }
    const char* typed[] = {"13,5", "111,3", "0,385", "8,25E3", "1,92E-5"};
    for (int field = 0; field < TFormWiresEdit::kNumbers; ++field) Retype(*NumberEdit(e, field), typed[field]);
  });
  Child<QPushButton>(*window, "BtnCreate")->click();
  const TWireRecord& wire = catalog.List().FindByName("AC 120");
  EXPECT_EQ(wire.WireDiameter, 13.5);
  EXPECT_EQ(wire.WireArea, 111.3);
  EXPECT_EQ(wire.WireWeight, 0.385);
  EXPECT_EQ(wire.WireModulus, 8250);
  EXPECT_EQ(wire.WireExpansion, 1.92E-5);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WiresWindowTest, DialogStartsOnTheFirstFieldAndTakesAllOnceEveryFieldConverts) {
  ShowWith({Wire("X", 1, 10)});
  std::vector<QWidget*> focused;
  for (int opening = 0; opening < 2; ++opening) {
    TModalScript script;
    script.Then([&](QWidget& dialog) {
      auto& e = dynamic_cast<TFormWiresEdit&>(dialog);
      focused.push_back(e.focusWidget());
      QTest::keyClick(&e, Qt::Key_Tab);
      QTest::keyClick(&e, Qt::Key_Tab);
      if (opening == 0) {
        Retype(*NumberEdit(e, kDiameterField), "");
        QTest::keyClick(&e, Qt::Key_Return);  // refused: the diameter is empty
        EXPECT_TRUE(e.isVisible());
        Retype(*NumberEdit(e, kDiameterField), "12.5");
        Retype(*Child<TWireNumberEdit>(e, "EditLinear_coef"), "1.8E-5");
      }
      QTest::keyClick(&e, Qt::Key_Return);
    });
    Child<QPushButton>(*window, "BtnEdit")->click();
  }
  ASSERT_EQ(focused.size(), 2u);
  EXPECT_EQ(focused[0], Child<QComboBox>(*editor, "CbGroup"));
  EXPECT_EQ(focused[1], Child<QComboBox>(*editor, "CbGroup"))
      << "not the field that had the focus when it closed";
  EXPECT_EQ(catalog.List().Items(0).WireDiameter, 12.5);
  EXPECT_EQ(catalog.List().Items(0).WireExpansion, 1.8e-5);
  EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->Cell(5, 0), "1.8E-5");
  EXPECT_TRUE(catalog.IsModified());
}

// The exchange text separates fields with ";" and records with line breaks.
TEST_F(WiresWindowTest, NameTheExchangeTextCannotHoldIsRefusedWhereTyped) {
  for (const char* typed : {"X;1;2", "A\nB", "A\rB"}) {
    ShowWith({Wire("X", 1, 10)});
    messages.shown.clear();
    TModalScript script;
    std::string said;
    script.Then([&](QWidget& dialog) {
      auto& e = dynamic_cast<TFormWiresEdit&>(dialog);
      Child<QLineEdit>(e, "EditType")->setText(QString::fromUtf8(typed));
      Child<QPushButton>(e, "BtnOK")->click();
      said =
          Child<TInputProblem>(e, "Problem")->text().toStdString();  // said in place; the dialog stays open
      Child<QPushButton>(e, "BtnCancel")->click();
    });
    Child<QPushButton>(*window, "BtnCreate")->click();
    EXPECT_TRUE(messages.shown.empty()) << typed;
    EXPECT_EQ(said, "A wire name cannot hold a semicolon or a line break.");
    EXPECT_EQ(catalog.List().Count(), 1) << typed;
    EXPECT_FALSE(catalog.IsModified()) << typed;
  }
}

TEST_F(WiresWindowTest, LongNameIsCutToSixteenCharacters) {
  ShowWith({Wire("X", 1, 10)});
  TModalScript script;
  AnswerEditor(script,
               [](TFormWiresEdit& e) { Child<QLineEdit>(e, "EditType")->setText("Провод АС 240/32 новый"); });
  Child<QPushButton>(*window, "BtnEdit")->click();
  EXPECT_EQ(catalog.List().Items(0).WireName, "Провод АС 240/32");
}

TEST_F(WiresWindowTest, NumberFieldsTakeWhatTheGridShowsWithTheUsualEditingKeys) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {
      {"11.4", "11.4"}, {"11,4", "11.4"}, {"-1.92E-5x", "-1.92E-5x"}, {" 7 ", " 7 "}, {"1.2.3", "1.2.3"},
  };
  TFormWiresEdit dialog;
  TWireNumberEdit* field = Child<TWireNumberEdit>(dialog, "EditSect_area");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    field->clear();
    QTest::keyClicks(field, c.typed);
    EXPECT_EQ(field->text().toStdString(), c.shown);
  }
  // Typing over a selected "0" replaces it, without a word from the dialog.
  field->setText("0");
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, ".5");
  EXPECT_EQ(field->text().toStdString(), ".5");
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(field->text().toStdString(), "0");
  // Copy from one field, paste into another; a text that is no number is
  // kept as pasted, for OK to point at.
  field->setText("1.92E-5");
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  TWireNumberEdit* other = Child<TWireNumberEdit>(dialog, "EditLinear_coef");
  other->clear();
  QTest::keyClick(other, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(other->text().toStdString(), "1.92E-5");
  QApplication::clipboard()->setText("AC 70");
  QTest::keyClick(other, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(other, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(other->text().toStdString(), "AC 70");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WiresWindowTest, ExportWritesTheTextAndImportReplacesTheCatalogue) {
  ShowWith({Wire("X1", 1, 11.4)});
  const std::string text = (scratch / "wires").string();
  fileDialogs.answers.push_back(text);
  Child<QPushButton>(*window, "BtnExport")->click();
  ASSERT_EQ(fileDialogs.requests.size(), 1u);
  EXPECT_EQ(fileDialogs.requests[0].mode, FileDialogMode::Save);
  EXPECT_EQ(fileDialogs.requests[0].title, "Export to text file");
  EXPECT_EQ(fileDialogs.requests[0].filter, "Text file|*.txt");
  EXPECT_FALSE(catalog.IsModified());
  ASSERT_TRUE(std::filesystem::exists(text + ".txt")) << "the default extension is added";

  Hold({Wire("Old", 2, 3)});
  fileDialogs.answers.push_back(text + ".txt");
  Child<QPushButton>(*window, "BtnImport")->click();
  EXPECT_EQ(fileDialogs.requests[1].mode, FileDialogMode::Open);
  EXPECT_EQ(fileDialogs.requests[1].title, "Import from text file");
  EXPECT_EQ(Column(0), Names{"X1"});
  EXPECT_TRUE(catalog.IsModified());

  // Cancelled dialogs and a missing file leave catalogue and count alone.
  catalog.SaveIfModified();
  Child<QPushButton>(*window, "BtnImport")->click();
  fileDialogs.answers.push_back((scratch / "missing.txt").string());
  Child<QPushButton>(*window, "BtnImport")->click();
  EXPECT_EQ(Column(0), Names{"X1"});
  EXPECT_FALSE(catalog.IsModified());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
}

TEST_F(WiresWindowTest, SelectionModeChoosesByButtonOrDoubleClick) {
  const struct {
    const char* name;
    std::function<void(TFormWiresBase&)> answer;
    bool chosen;
  } cases[] = {
      {"select", [](TFormWiresBase& w) { Child<QPushButton>(w, "BtnSelect")->click(); }, true},
      {"double click", [](TFormWiresBase& w) { emit Child<TWiresGrid>(w, "Grid")->RowDoubleClicked(1); },
       true},
      {"cancel", [](TFormWiresBase& w) { Child<QPushButton>(w, "BtnCancel")->click(); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ShowWith({Wire("A", 1, 10), Wire("B", 2, 11)});
    TModalScript script;
    script.Then([&](QWidget& w) {
      auto& wires = dynamic_cast<TFormWiresBase&>(w);
      EXPECT_TRUE(Child<QPushButton>(wires, "BtnSelect")->isVisible());
      EXPECT_FALSE(Child<QPushButton>(wires, "BtnCreate")->isVisible());
      Child<TWiresGrid>(wires, "Grid")->SelectRow(1);
      c.answer(wires);
    });
    EXPECT_EQ(window->RunSelection(), c.chosen);
    EXPECT_TRUE(window->SelectionMode());
    EXPECT_EQ(window->SelectedWire().WireName, "B");
    EXPECT_TRUE(script.seen.size() == 1u);
  }
  window->ShowEditing();
  EXPECT_FALSE(window->SelectionMode());
  EXPECT_TRUE(Child<QPushButton>(*window, "BtnCreate")->isVisible());
}

TEST_F(WiresWindowTest, EnterOnARowRunsItsCommandWhateverButtonWasClickedLast) {
  ShowWith({Wire("A", 1, 10), Wire("B", 1, 11)});
  Child<TWiresGrid>(*window, "Grid")->SelectRow(1);
  Names opened;
  const auto answerEditor = [&](TModalScript& script) {
    script.Then([&](QWidget& dialog) {
      auto& e = dynamic_cast<TFormWiresEdit&>(dialog);
      opened.push_back(Child<QLineEdit>(e, "EditType")->text().toStdString());
      QTest::keyClick(&e, Qt::Key_Escape);
    });
  };
  messages.answers.push_back(MessageAnswer::No);
  QTest::mouseClick(Child<QPushButton>(*window, "BtnDelete"), Qt::LeftButton);
  {
    TModalScript script;
    answerEditor(script);
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
  }
  {
    TModalScript script;
    answerEditor(script);
    QTest::mouseClick(Child<QPushButton>(*window, "BtnCreate"), Qt::LeftButton);
  }
  {
    TModalScript script;
    answerEditor(script);
    QTest::keyClick(window->focusWidget(), Qt::Key_Enter);
  }
  EXPECT_EQ(opened, (Names{"B", "", "B"})) << "Enter edits the row: it neither deletes nor creates";
  ASSERT_EQ(messages.shown.size(), 1u) << "the delete question came once, from the click";
  EXPECT_EQ(catalog.List().Count(), 2);
}

TEST_F(WiresWindowTest, SelectionOpensOnTheSupportsWireAndEnterChoosesTheRow) {
  ShowWith({Wire("A", 1, 10), Wire("B", 2, 11), Wire("C", 2, 12)});
  const struct {
    const char* current;
    const char* chosen;
    int filter;
  } cases[] = {
      {"C", "C", 0},  // hidden by group 1: the whole catalogue is shown
      {"A", "A", 1},
      {"not there", "A", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.current);
    window->hide();
    Child<QComboBox>(*window, "CbGroup")->setCurrentIndex(1);
    TModalScript script;
    script.Then([](QWidget& w) { QTest::keyClick(w.focusWidget(), Qt::Key_Return); });
    EXPECT_TRUE(window->RunSelection(c.current));
    EXPECT_EQ(window->SelectedWire().WireName, c.chosen);
    EXPECT_EQ(window->GroupFilter(), c.filter);
  }
}

TEST_F(WiresWindowTest, SearchFiltersByNameAsOneTypesWithinTheGroup) {
  ShowWith({Wire("AC 70/11", 1, 11), Wire("AC 95/16", 1, 13), Wire("ac 70/72", 2, 15), Wire("M 70", 3, 10)});
  const struct {
    int group;
    const char* typed;  // added to what the box holds; "" empties it
    Names names;
  } steps[] = {
      {0, "70", {"AC 70/11", "ac 70/72", "M 70"}},
      {0, "/", {"AC 70/11", "ac 70/72"}},
      {0, "", {"AC 70/11", "AC 95/16", "ac 70/72", "M 70"}},
      {0, "Ac 9", {"AC 95/16"}},
      {0, "x", {""}},
      {0, "", {"AC 70/11", "AC 95/16", "ac 70/72", "M 70"}},
      {1, "70", {"AC 70/11"}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.typed);
    Child<QComboBox>(*window, "CbGroup")->setCurrentIndex(step.group);
    if (*step.typed == '\0') {
      Retype(*Child<QLineEdit>(*window, "EditSearch"), "");
    } else {
      QTest::keyClicks(Child<QLineEdit>(*window, "EditSearch"), step.typed);
    }
    EXPECT_EQ(Column(0), step.names);
  }
  // Enter in the box works on the first row found; the box starts empty at
  // every showing.
  TModalScript script;
  script.Then([](QWidget& dialog) {
    EXPECT_EQ(Child<QLineEdit>(dynamic_cast<TFormWiresEdit&>(dialog), "EditType")->text(), "AC 70/11");
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  QTest::keyClick(Child<QLineEdit>(*window, "EditSearch"), Qt::Key_Return);
  EXPECT_EQ(script.seen.size(), 1u);
  window->hide();
  window->ShowEditing();
  EXPECT_EQ(Child<QLineEdit>(*window, "EditSearch")->text(), "");
}

TEST_F(WiresWindowTest, TypeColumnFitsTheLongestNameAndTakesTheWindowsExtraWidth) {
  const std::string longName = "WWWWWWWWWWWWWWWW";
  ShowWith({Wire("A", 1, 10), Wire(longName, 1, 11)});
  ProcessEvents();
  const int needed =
      Child<TWiresGrid>(*window, "Grid")->fontMetrics().horizontalAdvance(QString::fromStdString(longName));
  EXPECT_GT(Child<TWiresGrid>(*window, "Grid")->columnWidth(0), needed);
  const int type = Child<TWiresGrid>(*window, "Grid")->columnWidth(0);
  const int diameter = Child<TWiresGrid>(*window, "Grid")->columnWidth(1);
  window->resize(window->width() + 200, window->height());
  ProcessEvents();
  EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->columnWidth(0), type + 200);
  EXPECT_EQ(Child<TWiresGrid>(*window, "Grid")->columnWidth(1), diameter);
}

TEST_F(WiresWindowTest, DoubleClickInEditingModeEdits) {
  ShowWith({Wire("A", 1, 10)});
  TModalScript script;
  AnswerEditor(script, [](TFormWiresEdit& e) { NumberEdit(e, kDiameterField)->setText("12"); });
  emit Child<TWiresGrid>(*window, "Grid")->RowDoubleClicked(0);
  EXPECT_EQ(script.seen, Names{"TFormWiresEdit"});
  EXPECT_EQ(catalog.List().Items(0).WireDiameter, 12);
}

TEST_F(WiresWindowTest, TextsFollowTheLanguage) {
  const struct {
    int language;
    const char* title;
    const char* firstHeading;
    const char* group;
    const char* close;
    const char* newWire;
  } cases[] = {
      {0, "Reference catalog on wires, cables, cords", "\nType", "Reference fully", "Close", "Create"},
      {1, "Справочник проводов, кабелей, тросов", "\nМарка", "Справочник полностью", "Закрыть", "Создать"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    UseLanguage(c.language);
    ShowWith({});
    EXPECT_EQ(window->windowTitle().toStdString(), c.title);
    EXPECT_EQ(Child<QPushButton>(*window, "Heading1")->text().toStdString(), c.firstHeading);
    EXPECT_EQ(Child<QComboBox>(*window, "CbGroup")->itemText(0).toStdString(), c.group);
    EXPECT_EQ(Child<QPushButton>(*window, "BtnClose")->text().toStdString(), c.close);
    EXPECT_EQ(Child<QAction>(*window, "MiNew")->text().toStdString(), c.newWire);
    window->hide();
  }
}

TEST_F(WiresWindowTest, SaveIfChangedWritesOnlyAfterAChange) {
  ShowWith({Wire("A", 1, 10)});
  std::filesystem::remove(HeldFile());
  window->SaveIfChanged();
  EXPECT_FALSE(std::filesystem::exists(HeldFile())) << "nothing changed, nothing written";
  Child<QPushButton>(*window, "BtnDelete")->click();
  window->SaveIfChanged();
  EXPECT_EQ(std::filesystem::file_size(HeldFile()), 0u);
  EXPECT_FALSE(catalog.IsModified());
}
