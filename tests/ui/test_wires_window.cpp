// The wire catalogue window and its add/edit dialog: what the grid shows,
// what each command does to the catalogue and to the change count.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "settings/localization.h"
#include "settings/units.h"
#include "test_main_window_fixture.h"
#include "test_wires_window_fixture.h"
#include "ui/wires/wire_number_edit.h"
#include "widgets/wires_grid.h"

namespace {

constexpr int kDiameterField = 0;
constexpr int kModulusField = 3;

// The add/edit dialog as the next modal window: `change` fills it, then OK.
void AnswerEditor(TModalScript& script, std::function<void(TFormWiresEdit&)> change, bool ok = true) {
  script.Then([change, ok](QWidget& dialog) {
    auto& editor = dynamic_cast<TFormWiresEdit&>(dialog);
    if (change) change(editor);
    (ok ? editor.BtnOK : editor.BtnCancel)->click();
  });
}

using Names = std::vector<std::string>;

}  // namespace

TEST_F(WiresWindowTest, EmptyCatalogueShowsOneEmptyRowAndDisablesWhatNeedsAWire) {
  for (const bool selection : {false, true}) {
    SCOPED_TRACE(selection ? "selection mode" : "editing mode");
    if (selection) {
      TModalScript script;
      script.Then([](QWidget& w) { dynamic_cast<TFormWiresBase&>(w).BtnCancel->click(); });
      ShowWith({});
      window->hide();
      EXPECT_FALSE(window->RunSelection());
    } else {
      ShowWith({});
    }
    EXPECT_EQ(window->Grid->RowCount(), 1);
    EXPECT_EQ(Column(0), Names{""});
    EXPECT_FALSE(window->BtnSelect->isEnabled());
    EXPECT_FALSE(window->BtnEdit->isEnabled());
    EXPECT_FALSE(window->BtnDelete->isEnabled());
    EXPECT_FALSE(window->MiEdit->isEnabled());
    EXPECT_FALSE(window->MiDelete->isEnabled());
    EXPECT_TRUE(window->BtnCreate->isEnabled());
    EXPECT_EQ(window->BtnSelect->isVisibleTo(window.get()), selection);
    EXPECT_EQ(window->BtnCancel->isVisibleTo(window.get()), selection);
    EXPECT_EQ(window->BtnCreate->isVisibleTo(window.get()), !selection);
    EXPECT_EQ(window->BtnClose->isVisibleTo(window.get()), !selection);
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
  ASSERT_EQ(window->CbGroup->count(), 8);
  EXPECT_EQ(window->CbGroup->itemText(7).toStdString(), "Others");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    window->CbGroup->setCurrentIndex(c.filter);
    EXPECT_EQ(window->GroupFilter(), c.filter);
    EXPECT_EQ(Column(0), c.names);
    EXPECT_EQ(window->Grid->SelectedRow(), 0);
  }
  // The filter survives hiding and showing again.
  window->hide();
  window->ShowEditing();
  EXPECT_EQ(window->CbGroup->currentIndex(), 7);
}

TEST_F(WiresWindowTest, OthersWithoutWiresKeepsEditEnabledButEditFindsNothing) {
  ShowWith({Wire("B", 1, 10)});
  window->CbGroup->setCurrentIndex(7);
  EXPECT_EQ(Column(0), Names{""});
  EXPECT_TRUE(window->BtnEdit->isEnabled());
  TModalScript script;
  AnswerEditor(script, nullptr);
  window->BtnEdit->click();
  window->BtnDelete->click();
  EXPECT_TRUE(script.seen.empty()) << "no wire has an empty name";
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(catalog.ChangeCount(), 0);
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
    EXPECT_EQ(window->Grid->Cell(4, 0), c.cell);
    EXPECT_EQ(window->Headings[4]->text().toStdString(), c.heading);
    std::string shown;
    TModalScript script;
    AnswerEditor(script,
                 [&](TFormWiresEdit& e) { shown = e.NumberEdits[kModulusField]->text().toStdString(); });
    window->BtnEdit->click();
    EXPECT_EQ(shown, c.cell);
    EXPECT_EQ(catalog.List().Items(0).WireModulus, 8250);
    EXPECT_TRUE(catalog.List().Items(0).Equals(Wire("AC 70/11", 1, 11.4, 8250)));
    EXPECT_EQ(catalog.ChangeCount(), 1);
    window->hide();
    catalog.SetChangeCount(0);
  }
}

TEST_F(WiresWindowTest, TypedModulusIsConvertedBackFromTheShownUnits) {
  SetUnitsForSession(1);
  ShowWith({Wire("AC 70/11", 1, 11.4, 8250)});
  TModalScript script;
  AnswerEditor(script, [](TFormWiresEdit& e) { e.NumberEdits[kModulusField]->setText("90"); });
  window->BtnEdit->click();
  EXPECT_DOUBLE_EQ(catalog.List().Items(0).WireModulus, 9000);
  EXPECT_EQ(window->Grid->Cell(4, 0), "90");
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
    window->Headings[c.column]->click();
    EXPECT_EQ(Column(0), c.names);
    EXPECT_EQ(catalog.List().Items(0).WireName, c.names[0]) << "the catalogue's own order changes";
  }
  EXPECT_EQ(catalog.ChangeCount(), 0);
}

TEST_F(WiresWindowTest, EditingTheSecondOfTwoWiresOfOneNameEditsTheFirst) {
  ShowWith({Wire("X", 1, 10), Wire("X", 1, 20)});
  window->Grid->SelectRow(1);
  std::string shown;
  TModalScript script;
  AnswerEditor(script, [&](TFormWiresEdit& e) {
    shown = e.NumberEdits[kDiameterField]->text().toStdString();
    e.NumberEdits[kDiameterField]->setText("15");
  });
  window->BtnEdit->click();
  EXPECT_EQ(shown, "10");
  EXPECT_EQ(catalog.List().Items(0).WireDiameter, 15);
  EXPECT_EQ(catalog.List().Items(1).WireDiameter, 20);
}

TEST_F(WiresWindowTest, CreateStartsInTheFilteredGroupAndAppendsWithoutSorting) {
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
    window->CbGroup->setCurrentIndex(c.filter);
    TModalScript script;
    AnswerEditor(script, [&](TFormWiresEdit& e) {
      if (c.pickedEntry >= 0) e.CbGroup->setCurrentIndex(c.pickedEntry);
      e.EditType->setText("A new");
      e.NumberEdits[kDiameterField]->setText("7.5");
    });
    const int before = catalog.ChangeCount();
    window->BtnCreate->click();
    ASSERT_EQ(catalog.List().Count(), 2);
    const TWireRecord created = catalog.List().Items(1);
    EXPECT_EQ(created.WireName, "A new");
    EXPECT_EQ(created.WireGroup, c.group);
    EXPECT_EQ(created.WireDiameter, 7.5);
    EXPECT_EQ(created.WireModulus, 0);
    EXPECT_EQ(catalog.ChangeCount(), before + 1);
    EXPECT_EQ(window->Grid->SelectedRow(), window->Grid->RowCount() - 1);
    window->hide();
  }
}

TEST_F(WiresWindowTest, DialogAcceptsAnEmptyNameAndANameAlreadyTaken) {
  ShowWith({Wire("X", 1, 10)});
  for (const char* name : {"", "X"}) {
    TModalScript script;
    AnswerEditor(script, [&](TFormWiresEdit& e) { e.EditType->setText(name); });
    window->BtnCreate->click();
  }
  EXPECT_EQ(catalog.List().Count(), 3);
  EXPECT_EQ(catalog.List().Items(1).WireName, "");
  EXPECT_EQ(catalog.List().Items(2).WireName, "X");
}

TEST_F(WiresWindowTest, CancelInTheDialogChangesNothing) {
  ShowWith({Wire("X", 1, 10)});
  for (QPushButton* button : {window->BtnCreate, window->BtnEdit}) {
    TModalScript script;
    AnswerEditor(
        script, [](TFormWiresEdit& e) { e.NumberEdits[kDiameterField]->setText("99"); }, false);
    button->click();
  }
  ASSERT_EQ(catalog.List().Count(), 1);
  EXPECT_TRUE(catalog.List().Items(0).Equals(Wire("X", 1, 10)));
  EXPECT_EQ(catalog.ChangeCount(), 0);
}

TEST_F(WiresWindowTest, DeleteAsksAndDeletesFromButtonMenuAndKey) {
  const std::pair<const char*, std::function<void(TFormWiresBase&)>> routes[] = {
      {"button", [](TFormWiresBase& w) { w.BtnDelete->click(); }},
      {"menu", [](TFormWiresBase& w) { w.MiDelete->trigger(); }},
      {"key", [](TFormWiresBase& w) { QTest::keyClick(w.Grid, Qt::Key_Delete); }},
  };
  for (const auto& [route, press] : routes) {
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
      SCOPED_TRACE(std::string(route) + (answer == MessageAnswer::Yes ? " yes" : " no"));
      messages.shown.clear();
      catalog.SetChangeCount(0);
      ShowWith({Wire("A", 1, 10), Wire("B", 1, 11), Wire("C", 1, 12)});
      window->Grid->SelectRow(2);
      messages.answers.push_back(answer);
      press(*window);
      ASSERT_EQ(MessageTexts(), Names{"Are you sure you would like to delete this wire?"});
      EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
      EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
      if (answer == MessageAnswer::Yes) {
        EXPECT_EQ(Column(0), (Names{"A", "B"}));
        EXPECT_EQ(window->Grid->SelectedRow(), 1) << "the selection stays within the rows";
        EXPECT_EQ(catalog.ChangeCount(), 1);
      } else {
        EXPECT_EQ(catalog.List().Count(), 3);
        EXPECT_EQ(catalog.ChangeCount(), 0);
      }
      window->hide();
    }
  }
}

TEST_F(WiresWindowTest, DeletingTheLastWireDisablesSelectEditAndDelete) {
  ShowWith({Wire("A", 1, 10)});
  window->BtnDelete->click();
  EXPECT_EQ(catalog.List().Count(), 0);
  EXPECT_EQ(Column(0), Names{""});
  EXPECT_FALSE(window->BtnEdit->isEnabled());
  EXPECT_FALSE(window->BtnDelete->isEnabled());
}

TEST_F(WiresWindowTest, NumberThatDoesNotConvertEndsTheCommandAndKeepsTheRecordWhole) {
  ShowWith({Wire("X", 1, 10)});
  const struct {
    const char* name;
    QPushButton* button;
    int field;
    const char* text;
  } cases[] = {
      {"edit, area", window->BtnEdit, 1, "1-2"},
      {"edit, expansion", window->BtnEdit, 4, "."},
      {"create, weight", window->BtnCreate, 2, "--"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    messages.shown.clear();
    TModalScript script;
    AnswerEditor(script, [&](TFormWiresEdit& e) {
      e.EditType->setText("Renamed");
      e.NumberEdits[kDiameterField]->setText("55");
      e.NumberEdits[c.field]->setText(c.text);
    });
    c.button->click();
    ASSERT_EQ(MessageTexts(), Names{"'" + std::string(c.text) + "' is not a valid floating point value"});
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    ASSERT_EQ(catalog.List().Count(), 1);
    EXPECT_TRUE(catalog.List().Items(0).Equals(Wire("X", 1, 10)))
        << "no field before the failing one is kept";
    EXPECT_EQ(window->Grid->Cell(1, 0), "10");
    EXPECT_EQ(catalog.ChangeCount(), 0);
  }
}

TEST_F(WiresWindowTest, NameTheCatalogueFileCannotHoldIsRefused) {
  ShowWith({Wire("X", 1, 10)});
  TModalScript script;
  AnswerEditor(script, [](TFormWiresEdit& e) { e.EditType->setText("AC ✓ 70"); });
  window->BtnEdit->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("The wire name"), std::string::npos);
  EXPECT_EQ(catalog.List().Items(0).WireName, "X");
}

// The exchange text separates fields with ";" and records with line breaks.
TEST_F(WiresWindowTest, NameTheExchangeTextCannotHoldIsRefusedWhereTyped) {
  for (const char* typed : {"X;1;2", "A\nB", "A\rB"}) {
    ShowWith({Wire("X", 1, 10)});
    messages.shown.clear();
    TModalScript script;
    AnswerEditor(script, [&](TFormWiresEdit& e) { e.EditType->setText(QString::fromUtf8(typed)); });
    window->BtnCreate->click();
    ASSERT_EQ(messages.shown.size(), 1u) << typed;
    EXPECT_EQ(messages.shown[0].text, "A wire name cannot hold a semicolon or a line break.");
    EXPECT_EQ(catalog.List().Count(), 1) << typed;
    EXPECT_EQ(catalog.ChangeCount(), 0) << typed;
  }
}

TEST_F(WiresWindowTest, LongNameIsCutToSixteenCharacters) {
  ShowWith({Wire("X", 1, 10)});
  TModalScript script;
  AnswerEditor(script, [](TFormWiresEdit& e) { e.EditType->setText("Провод АС 240/32 новый"); });
  window->BtnEdit->click();
  EXPECT_EQ(catalog.List().Items(0).WireName, "Провод АС 240/32");
}

TEST_F(WiresWindowTest, NumberFieldsLetOnlyDigitsMinusAndPointThrough) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {
      {"11.4", "11.4"},
      {"11,4", "114"},
      {"-1e5x", "-15"},
      {" 7 ", "7"},
  };
  TFormWiresEdit dialog;
  TWireNumberEdit* field = dialog.NumberEdits[1];
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    field->clear();
    QTest::keyClicks(field, c.typed);
    EXPECT_EQ(field->text().toStdString(), c.shown);
  }
  field->setText("123");
  field->setCursorPosition(3);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text().toStdString(), "12");
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field->text().toStdString(), "12") << "pasting goes round the filter";
}

TEST_F(WiresWindowTest, DiameterIsCheckedAsItIsTyped) {
  const struct {
    const char* typed;
    int messages;
  } cases[] = {
      {"12.5", 0}, {"-", 0},                // a sign alone is a number still being typed
      {".", 1},    {"1-", 1}, {"1.2.", 1},  // "1.2." fails once, at its last key
  };
  TFormWiresEdit dialog;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    dialog.NumberEdits[kDiameterField]->clear();
    messages.shown.clear();
    QTest::keyClicks(dialog.NumberEdits[kDiameterField], c.typed);
    ASSERT_EQ(static_cast<int>(messages.shown.size()), c.messages);
    if (c.messages > 0) {
      EXPECT_EQ(messages.shown[0].text, "Error data entry");
    }
  }
}

TEST_F(WiresWindowTest, ExportWritesTheTextAndImportReplacesTheCatalogue) {
  ShowWith({Wire("X1", 1, 11.4)});
  const std::string text = (scratch / "wires").string();
  fileDialogs.answers.push_back(text);
  window->BtnExport->click();
  ASSERT_EQ(fileDialogs.requests.size(), 1u);
  EXPECT_EQ(fileDialogs.requests[0].mode, FileDialogMode::Save);
  EXPECT_EQ(fileDialogs.requests[0].title, "Экспорт в текстовый файл");
  EXPECT_EQ(fileDialogs.requests[0].filter, "*.txt|*.txt");
  EXPECT_EQ(catalog.ChangeCount(), 0);
  ASSERT_TRUE(std::filesystem::exists(text + ".txt")) << "the default extension is added";

  catalog.List().Clear();
  catalog.List().Add(Wire("Old", 2, 3));
  fileDialogs.answers.push_back(text + ".txt");
  window->BtnImport->click();
  EXPECT_EQ(fileDialogs.requests[1].mode, FileDialogMode::Open);
  EXPECT_EQ(fileDialogs.requests[1].title, "Импорт из текстового файла");
  EXPECT_EQ(Column(0), Names{"X1"});
  EXPECT_EQ(catalog.ChangeCount(), 1);

  // Cancelled dialogs and a missing file leave catalogue and count alone.
  catalog.SetChangeCount(0);
  window->BtnImport->click();
  fileDialogs.answers.push_back((scratch / "missing.txt").string());
  window->BtnImport->click();
  EXPECT_EQ(Column(0), Names{"X1"});
  EXPECT_EQ(catalog.ChangeCount(), 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
}

TEST_F(WiresWindowTest, SelectionModeChoosesByButtonOrDoubleClick) {
  const struct {
    const char* name;
    std::function<void(TFormWiresBase&)> answer;
    bool chosen;
  } cases[] = {
      {"select", [](TFormWiresBase& w) { w.BtnSelect->click(); }, true},
      {"double click", [](TFormWiresBase& w) { emit w.Grid->RowDoubleClicked(1); }, true},
      {"cancel", [](TFormWiresBase& w) { w.BtnCancel->click(); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ShowWith({Wire("A", 1, 10), Wire("B", 2, 11)});
    TModalScript script;
    script.Then([&](QWidget& w) {
      auto& wires = dynamic_cast<TFormWiresBase&>(w);
      EXPECT_TRUE(wires.BtnSelect->isVisible());
      EXPECT_FALSE(wires.BtnCreate->isVisible());
      wires.Grid->SelectRow(1);
      c.answer(wires);
    });
    EXPECT_EQ(window->RunSelection(), c.chosen);
    EXPECT_TRUE(window->SelectionMode());
    EXPECT_EQ(window->SelectedWire().WireName, "B");
    EXPECT_TRUE(script.seen.size() == 1u);
  }
  window->ShowEditing();
  EXPECT_FALSE(window->SelectionMode());
  EXPECT_TRUE(window->BtnCreate->isVisible());
}

TEST_F(WiresWindowTest, DoubleClickInEditingModeEdits) {
  ShowWith({Wire("A", 1, 10)});
  TModalScript script;
  AnswerEditor(script, [](TFormWiresEdit& e) { e.NumberEdits[kDiameterField]->setText("12"); });
  emit window->Grid->RowDoubleClicked(0);
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
  } cases[] = {
      {0, "Reference catalog on wires, cables, cords", "\nType", "Reference fully", "Close"},
      {1, "Справочник проводов, кабелей, тросов", "\nМарка", "Справочник полностью", "Закрыть"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    UseLanguage(c.language);
    ShowWith({});
    EXPECT_EQ(window->windowTitle().toStdString(), c.title);
    EXPECT_EQ(window->Headings[0]->text().toStdString(), c.firstHeading);
    EXPECT_EQ(window->CbGroup->itemText(0).toStdString(), c.group);
    EXPECT_EQ(window->BtnClose->text().toStdString(), c.close);
    EXPECT_EQ(window->MiNew->text().toStdString(), "Новый");
    window->hide();
  }
}

TEST_F(WiresWindowTest, SaveIfChangedWritesOnlyAfterAChange) {
  ShowWith({Wire("A", 1, 10)});
  const std::filesystem::path data = scratch / "data" / "base_provod.dat";
  window->SaveIfChanged();
  EXPECT_FALSE(std::filesystem::exists(data)) << "nothing changed, nothing written";
  window->BtnDelete->click();
  window->SaveIfChanged();
  EXPECT_EQ(std::filesystem::file_size(data), 0u);
  EXPECT_EQ(catalog.ChangeCount(), 0);
}
