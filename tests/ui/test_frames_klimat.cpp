#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include "support/find_child.h"
#include "support/gui_test_ports.h"
#include "support/samples.h"
#include "ui/frames/frm_klimat.h"
#include "ui/frames/frm_klimat_koef.h"

using namespace orv::calc;
using namespace orv::widgets;
using namespace orv::ui;

namespace {

using FramesTest = GuiTest;

TEST_F(FramesTest, KlimatRoundTripCarriesEveryFieldToItsOwnPlace) {
  TFrameKlimat frame;
  const TKlimat source = SampleKlimat();
  frame.ShowData(source);
  TKlimat stored;
  frame.StoreData(stored);
  EXPECT_TRUE(stored.IsEqual(source));
  EXPECT_EQ(stored.TempAverage, 1.2345678901234);
  EXPECT_EQ(Child<TRealSpinEdit>(frame, "TGsw")->text(), QString("-5.125"));
  EXPECT_EQ(Child<TRealSpinEdit>(frame, "Tgbw")->text(), QString("-4"));
  EXPECT_EQ(Child<TRealSpinEdit>(frame, "Tsrec")->text(), QString("1.23456789"));
  EXPECT_EQ(Child<TRealSpinEdit>(frame, "Vwetsg")->text(), QString("15.75"));
}

TEST_F(FramesTest, KoefRoundTripCarriesEveryFieldAndLeavesSupportHeight) {
  TFrameKlimatKoef frame;
  const TKlimatKoef source = SampleKoef();
  frame.ShowData(source);
  TKlimatKoef stored;
  stored.SupportHeight = -8;
  frame.StoreData(stored);
  TKlimatKoef expected = source;
  expected.SupportHeight = -8;
  EXPECT_TRUE(stored.IsEqual(expected));
  EXPECT_TRUE(Child<QRadioButton>(frame, "RBB")->isChecked());
  EXPECT_EQ(Child<TRealSpinEdit>(frame, "G_Usl")->text(), QString("0.123456789"));
}

// Typed as a user types: the whole text replaced, key by key.
void TypeInto(TRealSpinEdit* edit, const char* text) {
  QLineEdit* line = edit->findChild<QLineEdit*>();
  line->selectAll();
  QTest::keyClicks(line, text);
}

// A value outside its physical range marks its field, says the field, the
// value and the range, and never reaches the project; back in range, the
// mark goes and the value is stored.
TEST_F(FramesTest, ValuesOutsideTheirRangesAreNamedAndNotStored) {
  TFrameKlimat klimatFrame;
  klimatFrame.ShowData(SampleKlimat());
  TypeInto(Child<TRealSpinEdit>(klimatFrame, "VMax"), "99999999999");
  EXPECT_FALSE(Child<QLabel>(klimatFrame, "InputProblem")->isHidden());
  EXPECT_EQ(Child<QLabel>(klimatFrame, "InputProblem")->text().toStdString(),
            "Maximum wind velocity, m/s = 99999999999: outside the range 0 – 100");
  TKlimat klimat = SampleKlimat();
  klimatFrame.StoreData(klimat);
  EXPECT_EQ(klimat.WindVelocityMax, 32);
  TypeInto(Child<TRealSpinEdit>(klimatFrame, "VMax"), "45");
  EXPECT_TRUE(Child<QLabel>(klimatFrame, "InputProblem")->isHidden());
  klimatFrame.StoreData(klimat);
  EXPECT_EQ(klimat.WindVelocityMax, 45);

  TFrameKlimatKoef koefFrame;
  koefFrame.ShowData(SampleKoef());
  TypeInto(Child<TRealSpinEdit>(koefFrame, "V_Reg"), "-5");
  EXPECT_EQ(Child<QLabel>(koefFrame, "InputProblem")->text().toStdString(), "Regional coefficient, wind loads = -5: outside the range 0 – 10");
  TKlimatKoef koef = SampleKoef();
  koefFrame.StoreData(koef);
  EXPECT_EQ(koef.WindRegionalCoef, SampleKoef().WindRegionalCoef);
}

// A text that is no number stays in its field when the focus leaves, marks
// the field and names it, and the project keeps its value until a number is
// typed there.
TEST_F(FramesTest, ATextThatIsNoNumberStaysMarkedAndNeverReachesTheProject) {
  const struct {
    bool klimat;
    const char* field;
    const char* typed;
    const char* message;
  } cases[] = {
      {true, "VMax", "9o", "Maximum wind velocity, m/s: enter a number, for example 12.5 or 1.92E-5."},
      {true, "Tols", "", "Ice wall thickness, mm: the field is empty, enter a number."},
      {false, "G_Usl", "0.5.",
       "Coefficient of operating conditions, ice loads: enter a number, for example 12.5 or 1.92E-5."},
      {false, "visotaPC", "2o",
       "Height of the wires' centre of gravity, m: enter a number, for example 12.5 or 1.92E-5."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    TFrameKlimat klimatFrame;
    klimatFrame.ShowData(SampleKlimat());
    TFrameKlimatKoef koefFrame;
    koefFrame.ShowData(SampleKoef());
    QWidget& frame = c.klimat ? static_cast<QWidget&>(klimatFrame) : koefFrame;
    auto* edit = Child<QAbstractSpinBox>(frame, c.field);
    QLineEdit* line = edit->findChild<QLineEdit*>();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, c.typed);
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(edit, &leave);
    EXPECT_EQ(edit->text().toStdString(), c.typed);
    EXPECT_FALSE(Child<QLabel>(frame, "InputProblem")->isHidden());
    EXPECT_EQ(Child<QLabel>(frame, "InputProblem")->text().toStdString(), c.message);
    TKlimat klimat = SampleKlimat();
    klimatFrame.StoreData(klimat);
    EXPECT_TRUE(klimat.IsEqual(SampleKlimat()));
    TKlimatKoef koef = SampleKoef();
    koefFrame.StoreData(koef);
    EXPECT_TRUE(koef.IsEqual(SampleKoef()));
    QTest::keyClick(line, Qt::Key_Backspace);  // "9", "2", "0.5" and, for the empty one, still empty
    if (c.typed[0] == '\0') QTest::keyClicks(line, "7");
    EXPECT_TRUE(Child<QLabel>(frame, "InputProblem")->isHidden());
  }
}

TEST_F(FramesTest, SupportHeightSurvivesManyRounds) {
  TFrameKlimatKoef frame;
  TKlimatKoef koef = SampleKoef();
  for (int round = 0; round < 5; ++round) {
    frame.ShowData(koef);
    frame.StoreData(koef);
  }
  EXPECT_EQ(koef.SupportHeight, 33);
}

TEST_F(FramesTest, TerrainTypeSelectsItsButtonAndOtherValuesLeaveTheButtons) {
  struct Case {
    int shown;
    const char* checked;
    int stored;
  };
  const Case cases[] = {{3, "RBC", 3}, {0, "RBC", 3}, {1, "RBA", 1},
                        {7, "RBA", 1}, {2, "RBB", 2}, {-1, "RBB", 2}};
  TFrameKlimatKoef frame;
  for (const auto& c : cases) {
    TKlimatKoef koef;
    koef.TerrainType = c.shown;
    frame.ShowData(koef);
    EXPECT_TRUE(Child<QRadioButton>(frame, c.checked)->isChecked()) << c.shown;
    frame.StoreData(koef);
    EXPECT_EQ(koef.TerrainType, c.stored) << c.shown;
  }
}

TEST_F(FramesTest, NoTerrainButtonSelectedKeepsTheField) {
  TFrameKlimatKoef frame;
  Child<QRadioButton>(frame, "RBA")->setAutoExclusive(false);
  Child<QRadioButton>(frame, "RBA")->setChecked(false);
  TKlimatKoef koef;
  koef.TerrainType = 9;
  frame.StoreData(koef);
  EXPECT_EQ(koef.TerrainType, 9);
}

TEST_F(FramesTest, NewFramesStartWithTheirInitialValues) {
  TFrameKlimatKoef koefFrame;
  EXPECT_TRUE(Child<QRadioButton>(koefFrame, "RBA")->isChecked());
  EXPECT_EQ(Child<TIntSpinEdit>(koefFrame, "visotaPC")->Value(), 15);
  for (const char* name : {"V_Otv", "V_Reg", "V_Nad", "G_Otv", "G_Reg", "G_Nad", "G_Usl"}) {
    TRealSpinEdit* edit = Child<TRealSpinEdit>(koefFrame, name);
    EXPECT_EQ(edit->Value(), 1.0);
    EXPECT_EQ(edit->Increment(), 0.001);
    EXPECT_EQ(edit->Precision(), 9);
  }
  TFrameKlimat klimatFrame;
  for (const char* name : {"Tols", "TMin", "TMax", "TGsw", "Tgbw", "Tsrec", "VMax", "Vwetsg"}) {
    TRealSpinEdit* edit = Child<TRealSpinEdit>(klimatFrame, name);
    EXPECT_EQ(edit->Increment(), 0.5);
    EXPECT_EQ(edit->Precision(), 9);
  }
}

TEST_F(FramesTest, TypedValuesAreStoredAsTheEditsHoldThem) {
  TFrameKlimat klimatFrame;
  klimatFrame.ShowData(TKlimat());
  Child<TRealSpinEdit>(klimatFrame, "Tols")->clear();
  QTest::keyClicks(Child<TRealSpinEdit>(klimatFrame, "Tols"), "12,5");  // with a comma: stored unchanged
  TKlimat klimat;
  klimatFrame.StoreData(klimat);
  EXPECT_EQ(klimat.IceThickness, 12.5);

  TFrameKlimatKoef koefFrame;
  Child<TIntSpinEdit>(koefFrame, "visotaPC")->clear();
  TKlimatKoef koef;
  koef.WireHeight = 25;
  koefFrame.StoreData(koef);
  EXPECT_EQ(koef.WireHeight, 25);  // a height edit without a number leaves the project's height
  // No height below the ground: "-30" stays as typed but never reaches the project.
  QTest::keyClicks(Child<TIntSpinEdit>(koefFrame, "visotaPC"), "-30");
  koefFrame.StoreData(koef);
  EXPECT_EQ(koef.WireHeight, 25);
  Child<TIntSpinEdit>(koefFrame, "visotaPC")->clear();
  QTest::keyClicks(Child<TIntSpinEdit>(koefFrame, "visotaPC"), "30");
  koefFrame.StoreData(koef);
  EXPECT_EQ(koef.WireHeight, 30);
}

struct CaptionCase {
  int language;
  std::string thickness, minimum, withWind, lab_do, meter, operating;
};

TEST_F(FramesTest, LocaliseTakesCaptionsFromTheDictionary) {
  const CaptionCase cases[] = {
      {0, "Thickness:", "Minimum:", "Ice with wind:", " ", "m", "Operating conditions"},
      {1, "Толщина стенки:", "Минимальная:", "При гололеде с ветром:", "до", "м", "Условий работы"},
  };
  TFrameKlimat klimat;
  TFrameKlimatKoef koef;
  for (const auto& c : cases) {
    UseLanguage(c.language);
    klimat.Localise();
    koef.Localise();
    EXPECT_EQ(Child<QLabel>(klimat, "LabThick")->text().toStdString(), c.thickness);
    EXPECT_EQ(Child<QLabel>(klimat, "LabMin")->text().toStdString(), c.minimum);
    EXPECT_EQ(Child<QLabel>(klimat, "LabIce1")->text().toStdString(), c.withWind);
    EXPECT_EQ(Child<QLabel>(koef, "Lab_do")->text().toStdString(), c.lab_do);
    EXPECT_EQ(Child<QLabel>(koef, "Lab_m")->text().toStdString(), c.meter);
    EXPECT_EQ(Child<QLabel>(koef, "LabOper")->text().toStdString(), c.operating);
    for (int i = 1; i <= 5; ++i)
      EXPECT_EQ(Child<QLabel>(klimat, QString("LabCelsius%1").arg(i))->text(), QString("°C"));
    EXPECT_EQ(Child<QRadioButton>(koef, "RBC")->text(), QString("C"));
    // The two rows of the height caption stay two rows, without a stray CR.
    EXPECT_EQ(Child<QLabel>(koef, "LabHeight")->text().count('\n'), 1);
    EXPECT_FALSE(Child<QLabel>(koef, "LabHeight")->text().contains('\r'));
  }
}

TEST_F(FramesTest, EveryCaptionIsFilledInBothLanguages) {
  TFrameKlimat klimat;
  TFrameKlimatKoef koef;
  for (int language : {0, 1}) {
    UseLanguage(language);
    klimat.Localise();
    koef.Localise();
    for (QGroupBox* box : {Child<QGroupBox>(klimat, "GroupBoxIce"), Child<QGroupBox>(klimat, "GroupBoxTemp"),
                           Child<QGroupBox>(klimat, "GroupBoxWind"), Child<QGroupBox>(koef, "GroupBoxPar"),
                           Child<QGroupBox>(koef, "GroupBoxCoef"), Child<QGroupBox>(koef, "GroupBoxWind"),
                           Child<QGroupBox>(koef, "GroupBoxIce")}) {
      EXPECT_FALSE(box->title().trimmed().isEmpty()) << language;
    }
    for (QLabel* label :
         {Child<QLabel>(klimat, "LabThick"), Child<QLabel>(klimat, "Lab_mm"), Child<QLabel>(klimat, "LabMax"),
          Child<QLabel>(klimat, "LabIce2"), Child<QLabel>(klimat, "LabAverage"),
          Child<QLabel>(klimat, "LabWindMax"), Child<QLabel>(klimat, "LabWindIce"),
          Child<QLabel>(klimat, "Lab_ms1"), Child<QLabel>(klimat, "Lab_ms2"),
          Child<QLabel>(koef, "LabTypeTer"), Child<QLabel>(koef, "LabHeight"), Child<QLabel>(koef, "LabRes1"),
          Child<QLabel>(koef, "LabReg1"), Child<QLabel>(koef, "LabRel1"), Child<QLabel>(koef, "LabRes2"),
          Child<QLabel>(koef, "LabReg2"), Child<QLabel>(koef, "LabRel2")}) {
      EXPECT_FALSE(label->text().trimmed().isEmpty()) << language;
    }
  }
}

}  // namespace
