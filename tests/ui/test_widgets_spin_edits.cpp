#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>

#include "widgets/int_spin_edit.h"
#include "widgets/number_display.h"
#include "widgets/real_spin_edit.h"

using namespace orv::widgets;

namespace {

std::string Shown(const QAbstractSpinBox& edit) { return edit.text().toStdString(); }

void Type(QAbstractSpinBox& edit, const char* keys) {
  edit.clear();
  QTest::keyClicks(&edit, keys);
}

TEST(RealSpinEditText, GeneralFormWithNineSignificantDigits) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},
      {1.5, "1.5"},
      {-20, "-20"},
      {0.001, "0.001"},
      {1.23456789012, "1.23456789"},
      {123456789.4, "123456789"},
      {0.1 + 0.2, "0.3"},
      {-0.333333333333, "-0.333333333"},
      {0.00001, "1E-5"},
      {2.5e20, "2.5E20"},
      {999999999.4, "999999999"},
      {999999999.6, "1E9"},
      {-1234567890123.0, "-1.23456789E12"},
  };
  TRealSpinEdit edit;
  for (const auto& [value, text] : cases) {
    edit.SetValue(value);
    EXPECT_EQ(Shown(edit), text) << value;
  }
}

TEST(RealSpinEditValue, KeepsEveryDigitOfASetValueUntilEdited) {
  TRealSpinEdit edit;
  const double precise = 1.2345678901234567;
  edit.SetValue(precise);
  EXPECT_EQ(edit.Value(), precise);  // exact: showing must not round the data
  Type(edit, "2.25");
  EXPECT_EQ(edit.Value(), 2.25);
}

TEST(RealSpinEditValue, RefusesValuesThatAreNotFinite) {
  TRealSpinEdit edit;
  edit.SetValue(3);
  edit.SetValue(std::numeric_limits<double>::quiet_NaN());
  edit.SetValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(edit.Value(), 3);
  EXPECT_EQ(Shown(edit), "3");
}

struct TypingCase {
  const char* keys;
  const char* text;  // what the edit shows while typing
  double value;      // what it yields
};

TEST(RealSpinEditInput, CommaIsAPointAndNonNumbersKeepTheLastValue) {
  const TypingCase cases[] = {
      {"1,5", "1.5", 1.5},
      {"-0,25", "-0.25", -0.25},
      {"12abc", "12abc", 12},    // no character is dropped; not a number
      {"1e3", "1e3", 1000},
      {"-", "-", 7},             // a lone sign: not a number yet
      {"", "", 7},
      {"1.2.3", "1.2.3", 1.2},   // nor a second point
  };
  for (const auto& c : cases) {
    TRealSpinEdit edit;
    edit.SetValue(7);
    Type(edit, c.keys);
    EXPECT_EQ(Shown(edit), c.text) << c.keys;
    EXPECT_EQ(edit.Value(), c.value) << c.keys;
  }
}

TEST(RealSpinEditInput, FinishingAnIncompleteEntryShowsTheValueAgain) {
  TRealSpinEdit edit;
  edit.SetValue(4.5);
  Type(edit, "-");
  emit edit.editingFinished();
  EXPECT_EQ(Shown(edit), "4.5");
  EXPECT_EQ(edit.Value(), 4.5);
}

struct StepCase {
  double increment;
  double start;
  int steps;
  double expected;
};

TEST(RealSpinEditStep, StepsByTheIncrementWithoutBoundsOrBinaryRemainders) {
  const StepCase cases[] = {
      {0.5, 1, 1, 1.5},
      {0.5, 0, -3, -1.5},
      {0.5, -1e6, -2, -1000001},
      {0.001, 1, 1, 1.001},
      {0.001, 0.1, 2, 0.102},
      {0.5, 0.1, 4, 2.1},
  };
  for (const auto& c : cases) {
    TRealSpinEdit edit;
    edit.SetIncrement(c.increment);
    edit.SetValue(c.start);
    edit.stepBy(c.steps);
    EXPECT_EQ(edit.Value(), c.expected) << c.start << " + " << c.steps << " x " << c.increment;
  }
}

TEST(RealSpinEditStep, ArrowKeysStepAndReportTheChange) {
  TRealSpinEdit edit;
  edit.SetValue(2);
  QSignalSpy changed(&edit, &TRealSpinEdit::ValueChanged);
  QTest::keyClick(&edit, Qt::Key_Up);
  QTest::keyClick(&edit, Qt::Key_Up);
  QTest::keyClick(&edit, Qt::Key_Down);
  EXPECT_EQ(edit.Value(), 2.5);
  EXPECT_EQ(Shown(edit), "2.5");
  EXPECT_EQ(changed.count(), 3);
}

TEST(RoundToSignificantTest, RoundsToTheGivenDigits) {
  EXPECT_EQ(RoundToSignificant(1.23456789012, 9), 1.23456789);
  EXPECT_EQ(RoundToSignificant(-987654321.9, 9), -987654322);
  EXPECT_EQ(RoundToSignificant(0.30000000000000004, 9), 0.3);
  EXPECT_EQ(RoundToSignificant(0, 9), 0);
  EXPECT_EQ(GeneralNumberText(8.43, 9), "8.43");
}

TEST(IntSpinEdit, UnboundedByDefaultAndBoundedOnRequest) {
  TIntSpinEdit free;
  free.SetValue(-2000000000);
  EXPECT_EQ(free.Value(), -2000000000);
  free.SetValue(2000000000);
  EXPECT_EQ(free.Value(), 2000000000);

  TIntSpinEdit bounded(1, 10);
  bounded.SetValue(25);
  EXPECT_EQ(bounded.Value(), 10);
  bounded.SetValue(-3);
  EXPECT_EQ(bounded.Value(), 1);
}

TEST(IntSpinEdit, TextThatIsNotAWholeNumberYieldsZero) {
  const std::pair<const char*, int> cases[] = {{"42", 42}, {"-7", -7}, {"", 0}, {"-", 0}};
  for (const auto& [keys, expected] : cases) {
    TIntSpinEdit edit;
    edit.SetValue(15);
    Type(edit, keys);
    EXPECT_EQ(edit.Value(), expected) << keys;
  }
}

}  // namespace
