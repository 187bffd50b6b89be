// The support editor on its own: what LoadSupport shows, what StoreSupport
// keeps, the texts it refuses, the wire choice and the captions.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "base/errors.h"
#include "calc/pillar.h"
#include "support/find_child.h"
#include "support/samples.h"
#include "test_main_window_fixture.h"
#include "test_wires_window_fixture.h"
#include "ui/pillars/form_pillars.h"
#include "widgets/input_problem.h"
#include "widgets/int_spin_edit.h"
#include "widgets/real_spin_edit.h"
#include "widgets/wires_grid.h"

using namespace orv::calc;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

// Replaces the field's whole text by keys, as the user does; any character,
// not only those of a Latin keyboard.
void Retype(QWidget& edit, const QString& text) {
  QWidget* field = edit.focusProxy() ? edit.focusProxy() : &edit;
  if (auto* line = edit.findChild<QLineEdit*>()) field = line;
  edit.setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Backspace);
  for (const QChar character : text)
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

// The editor and a catalogue window to pick wires from.
class PillarsFormTest : public WiresWindowTest {
 protected:
  void SetUp() override {
    WiresWindowTest::SetUp();
    form = std::make_unique<TFormPillars>();
    form->AttachWiresBase(window.get());
  }
  void TearDown() override {
    form.reset();
    WiresWindowTest::TearDown();
  }
  std::unique_ptr<TFormPillars> form;
};

}  // namespace

TEST_F(PillarsFormTest, LoadAndStoreCarryEveryField) {
  const struct {
    int tensionMode;
    int16_t deflection;
    int page;
    bool toward;
    int16_t stored;
  } cases[] = {
      {0, 0, 0, true, 0},
      {1, 1, 1, false, 1},
      {1, 7, 1, false, 1},  // any other direction means "from support"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.deflection);
    const TPillar loaded = SampleSupport(c.tensionMode, c.deflection);
    form->LoadSupport(loaded);
    EXPECT_EQ(Child<QTabWidget>(*form, "PcNapr")->currentIndex(), c.page);
    EXPECT_EQ(Child<QRadioButton>(*form, "RadioButtonToward")->isChecked(), c.toward);
    EXPECT_EQ(Child<QRadioButton>(*form, "RadioButtonFrom")->isChecked(), !c.toward);
    TPillar stored;
    stored.Reserved = 77;
    form->StoreSupport(stored);
    TPillar expected = loaded;
    // The pair the mode does not use is kept as the file keeps it.
    expected.TensionMax = c.tensionMode == 0 ? 0 : loaded.TensionMax;
    expected.TensionAverage = c.tensionMode == 0 ? 0 : loaded.TensionAverage;
    expected.StressMax = c.tensionMode == 0 ? loaded.StressMax : 0;
    expected.StressAverage = c.tensionMode == 0 ? loaded.StressAverage : 0;
    expected.DeflectionDirection = c.stored;
    expected.Reserved = 77;  // not the editor's
    EXPECT_TRUE(stored.Equals(expected));
  }
}

TEST_F(PillarsFormTest, TheSupportUsesThePageLastEditedNotTheOneLookedAt) {
  form->LoadSupport(SampleSupport(1, 0));
  ASSERT_EQ(Child<QTabWidget>(*form, "PcNapr")->currentIndex(), 1);
  Child<QTabWidget>(*form, "PcNapr")->setCurrentIndex(0);
  TPillar stored;
  form->StoreSupport(stored);
  EXPECT_EQ(stored.TensionMode, 1);
  EXPECT_EQ(stored.TensionMax, 1450);
  Child<TRealSpinEdit>(*form, "seNapr_srg")->SetValue(8.5);
  form->StoreSupport(stored);
  EXPECT_EQ(stored.TensionMode, 0);
  EXPECT_EQ(stored.TensionMax, 0);
  EXPECT_EQ(stored.StressMax, 12.5);
  EXPECT_EQ(stored.StressAverage, 8.5);
}

TEST_F(PillarsFormTest, TextsAreCutInCharactersNotBytes) {
  const struct {
    const char* number;
    const char* wire;
    const char* storedNumber;
    const char* storedWire;
  } cases[] = {
      {"1234567", "AC 70/11", "123456", "AC 70/11"},
      {"Опора12", "Провод АС 240/32 новый", "Опора1", "Провод АС 240/32"},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    Child<QLineEdit>(*form, "NumbEdit")->setText(c.number);
    Child<QLineEdit>(*form, "ProvodButEdit")->setText(c.wire);
    TPillar stored;
    form->StoreSupport(stored);
    EXPECT_EQ(stored.SupportNumber, c.storedNumber);
    EXPECT_EQ(stored.WireName, c.storedWire);
  }
}

TEST_F(PillarsFormTest, FieldItCannotTakeKeepsTheDialogOpenAndSaysWhyInPlace) {
  const struct {
    const char* name;
    int language;
    std::function<void(TFormPillars&)> spoil;
    std::function<QWidget*(TFormPillars&)> field;
    const char* said;
  } cases[] = {
      {"number outside Windows-1251", 0,
       [](TFormPillars& f) { Retype(*Child<QLineEdit>(f, "NumbEdit"), "12✓"); },
       [](TFormPillars& f) -> QWidget* { return Child<QLineEdit>(f, "NumbEdit"); },
       "Number of support: the character \"✓\" cannot be stored in the files (Windows-1251)."},
      {"wire outside Windows-1251", 1,
       [](TFormPillars& f) { Retype(*Child<QLineEdit>(f, "ProvodButEdit"), "AC ✓"); },
       [](TFormPillars& f) -> QWidget* { return Child<QLineEdit>(f, "ProvodButEdit"); },
       "Марка провода: символ «✓» нельзя сохранить в файлах (кодировка Windows-1251)."},
      {"emptied span", 0, [](TFormPillars& f) { Retype(*Child<TRealSpinEdit>(f, "ProletRightSpEdit"), ""); },
       [](TFormPillars& f) -> QWidget* { return Child<TRealSpinEdit>(f, "ProletRightSpEdit"); },
       "On the right: the field is empty, enter a number."},
      {"emptied wires in phase", 1,
       [](TFormPillars& f) { Retype(*Child<TIntSpinEdit>(f, "sePhaseNumb"), ""); },
       [](TFormPillars& f) -> QWidget* { return Child<TIntSpinEdit>(f, "sePhaseNumb"); },
       "Количество проводов в фазе: поле пустое, введите число."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UseLanguage(c.language);
    const TPillar original = SampleSupport(0, 0);
    TPillar support = original;
    bool stillOpen = false;
    bool marked = false;
    std::string said;
    TModalScript script;
    script.Then([&](QWidget&) {
      c.spoil(*form);
      QTest::mouseClick(Child<QPushButton>(*form, "BitBtnOK"), Qt::LeftButton);
      stillOpen = form->isVisible();
      said = Child<TInputProblem>(*form, "Problem")->isVisible()
                 ? Child<TInputProblem>(*form, "Problem")->text().toStdString()
                 : "";
      marked = Child<TInputProblem>(*form, "Problem")->Field() == c.field(*form);
      QTest::keyClick(form.get(), Qt::Key_Escape);
    });
    EXPECT_FALSE(form->Edit(support));
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(marked);
    EXPECT_EQ(said, c.said);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(support.Equals(original));
  }
}

TEST_F(PillarsFormTest, EveryOpeningStartsOnTheNumberAndTextsStopAtTheirLimit) {
  TPillar support = SampleSupport(0, 0);
  std::vector<QWidget*> focused;
  std::string said;
  for (int opening = 0; opening < 2; ++opening) {
    TModalScript script;
    script.Then([&](QWidget&) {
      focused.push_back(form->focusWidget());
      if (opening == 0) {
        // Typing replaces the selected number; the seventh character is refused.
        QTest::keyClicks(form->focusWidget(), "1234567");
        said = Child<TInputProblem>(*form, "Problem")->text().toStdString();
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(form->focusWidget(), Qt::Key_End);
        QTest::keyClicks(form->focusWidget(), "ABCDEFGHIJKLMNOPQR");
      }
      QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    });
    EXPECT_TRUE(form->Edit(support));
  }
  ASSERT_EQ(focused.size(), 2u);
  EXPECT_EQ(focused[0], Child<QLineEdit>(*form, "NumbEdit"));
  EXPECT_EQ(focused[1], Child<QLineEdit>(*form, "NumbEdit"))
      << "not the field that had the focus when it closed";
  EXPECT_EQ(said, "Number of support: at most 6 characters.");
  EXPECT_EQ(support.SupportNumber, "123456");
  EXPECT_EQ(support.WireName, "АС 70/11ABCDEFGH");
}

TEST_F(PillarsFormTest, WiresInPhaseHoldsOnlyOneToThree) {
  const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {4, 3}, {-5, 1}};
  for (const auto& [set, held] : cases) {
    Child<TIntSpinEdit>(*form, "sePhaseNumb")->SetValue(set);
    EXPECT_EQ(Child<TIntSpinEdit>(*form, "sePhaseNumb")->Value(), held) << set;
  }
  Child<TIntSpinEdit>(*form, "sePhaseNumb")->SetValue(3);
  QTest::keyClick(Child<TIntSpinEdit>(*form, "sePhaseNumb"), Qt::Key_Up);
  EXPECT_EQ(Child<TIntSpinEdit>(*form, "sePhaseNumb")->Value(), 3);
}

TEST_F(PillarsFormTest, RealEditsStepByHalfWithoutBounds) {
  for (TRealSpinEdit* edit :
       {Child<TRealSpinEdit>(*form, "UgolSpEdit"), Child<TRealSpinEdit>(*form, "AlfaBalSpEdit"),
        Child<TRealSpinEdit>(*form, "seNapr_max")}) {
    edit->SetValue(-1e6);
    edit->stepBy(-1);
    EXPECT_EQ(edit->Value(), -1000000.5);
    edit->SetValue(0.25);
    edit->stepBy(1);
    EXPECT_EQ(edit->Value(), 0.75);
  }
}

TEST_F(PillarsFormTest, OkAndCancelDecideWhetherTheRecordChanges) {
  const std::pair<bool, const char*> cases[] = {{true, "77"}, {false, "12а"}};
  for (const auto& [ok, number] : cases) {
    TPillar support = SampleSupport(0, 0);
    TModalScript script;
    script.Then([&, ok = ok](QWidget& dialog) {
      auto& editor = dynamic_cast<TFormPillars&>(dialog);
      Child<QLineEdit>(editor, "NumbEdit")->setText("77");
      (ok ? Child<QPushButton>(editor, "BitBtnOK") : Child<QPushButton>(editor, "BitBtnCancel"))->click();
    });
    EXPECT_EQ(form->Edit(support), ok);
    EXPECT_EQ(support.SupportNumber, number);
  }
}

TEST_F(PillarsFormTest, WireButtonTakesTheNameChosenInTheCatalogue) {
  ShowWith({Wire("A", 1, 10), Wire("B", 2, 11)});
  window->hide();
  const struct {
    const char* name;
    bool select;
    const char* wire;
  } cases[] = {
      {"select", true, "B"},
      {"cancel", false, "typed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Child<QLineEdit>(*form, "ProvodButEdit")->setText("typed");
    TModalScript script;
    script.Then([&](QWidget& w) {
      auto& wires = dynamic_cast<TFormWiresBase&>(w);
      EXPECT_TRUE(wires.SelectionMode());
      Child<TWiresGrid>(wires, "Grid")->SelectRow(1);
      (c.select ? Child<QPushButton>(wires, "BtnSelect") : Child<QPushButton>(wires, "BtnCancel"))->click();
    });
    Child<QToolButton>(*form, "ProvodButton")->click();
    EXPECT_EQ(script.seen, std::vector<std::string>{"TFormWiresBase"});
    EXPECT_EQ(Child<QLineEdit>(*form, "ProvodButEdit")->text().toStdString(), c.wire);
  }
}

TEST_F(PillarsFormTest, WirePickedThenCancelLeavesTheSupportAlone) {
  ShowWith({Wire("A", 1, 10)});
  window->hide();
  TPillar support = SampleSupport(0, 0);
  TModalScript script;
  script.Then([](QWidget& dialog) {
    auto& editor = dynamic_cast<TFormPillars&>(dialog);
    // A timer does not fire inside its own handler: the nested window
    // needs a script of its own.
    TModalScript inner;
    inner.Then(
        [](QWidget& w) { Child<QPushButton>(dynamic_cast<TFormWiresBase&>(w), "BtnSelect")->click(); });
    Child<QToolButton>(editor, "ProvodButton")->click();
    EXPECT_EQ(Child<QLineEdit>(editor, "ProvodButEdit")->text().toStdString(), "A");
    Child<QPushButton>(editor, "BitBtnCancel")->click();
  });
  EXPECT_FALSE(form->Edit(support));
  EXPECT_EQ(support.WireName, "АС 70/11");
}

TEST_F(PillarsFormTest, CaptionsFollowTheLanguageAtEachShowing) {
  const struct {
    int language;
    const char* title;
    const char* number;
    const char* tension;
    const char* stressPage;
    const char* maxTension;
    const char* deflection;
    const char* from;
    const char* cancel;
  } cases[] = {
      {0, "Support", "Number of support:", "Stresses", "Tensions", "Maximum permissible stress:",
       "Deflection of supporting insulator string\non support with the line route turn:", "from support",
       "Cancel"},
      {1, "Опора", "Номер опоры:", "Напряжения", "Тяжения", "Максимальное допускаемое напряжение:",
       "Отклонение поддерживающей гирлянды\nизоляторов на опоре с углом поворота:", "от опоры", "Отмена"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    UseLanguage(c.language);
    form->show();
    EXPECT_EQ(form->windowTitle().toStdString(), c.title);
    EXPECT_EQ(Child<QLabel>(*form, "LabName")->text().toStdString(), c.number);
    EXPECT_EQ(Child<QTabWidget>(*form, "PcNapr")->tabText(0).toStdString(), c.tension);
    EXPECT_EQ(Child<QTabWidget>(*form, "PcNapr")->tabText(1).toStdString(), c.stressPage);
    EXPECT_EQ(Child<QLabel>(*form, "LabNapr_Max")->text().toStdString(), c.maxTension);
    EXPECT_EQ(Child<QLabel>(*form, "LabDef")->text().toStdString(), c.deflection);
    EXPECT_EQ(Child<QRadioButton>(*form, "RadioButtonFrom")->text().toStdString(), c.from);
    EXPECT_EQ(Child<QPushButton>(*form, "BitBtnCancel")->text().toStdString(), c.cancel);
    EXPECT_EQ(Child<QLabel>(*form, "LabAlfaAB")->text().toStdString(), c.language == 0 ? "Alfa (a,v):" : "Alfa (а,в):");
    EXPECT_GE(form->width(), 623);
    EXPECT_GE(form->height(), 677);
    form->hide();
  }
}
