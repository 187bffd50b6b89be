#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

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
  EXPECT_EQ(frame.TGsw->text(), QString("-5.125"));
  EXPECT_EQ(frame.Tgbw->text(), QString("-4"));
  EXPECT_EQ(frame.Tsrec->text(), QString("1.23456789"));
  EXPECT_EQ(frame.Vwetsg->text(), QString("15.75"));
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
  EXPECT_TRUE(frame.RBB->isChecked());
  EXPECT_EQ(frame.G_Usl->text(), QString("0.123456789"));
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
  TypeInto(klimatFrame.VMax, "99999999999");
  EXPECT_FALSE(klimatFrame.Problem->isHidden());
  EXPECT_EQ(klimatFrame.Problem->text().toStdString(),
            "Maximum wind velocity, m/s = 99999999999: outside the range 0 – 100");
  TKlimat klimat = SampleKlimat();
  klimatFrame.StoreData(klimat);
  EXPECT_EQ(klimat.WindVelocityMax, 32);
  TypeInto(klimatFrame.VMax, "45");
  EXPECT_TRUE(klimatFrame.Problem->isHidden());
  klimatFrame.StoreData(klimat);
  EXPECT_EQ(klimat.WindVelocityMax, 45);

  TFrameKlimatKoef koefFrame;
  koefFrame.ShowData(SampleKoef());
  TypeInto(koefFrame.V_Reg, "-5");
  EXPECT_EQ(koefFrame.Problem->text().toStdString(), "Regional coefficient, wind loads = -5: outside the range 0 – 10");
  TKlimatKoef koef = SampleKoef();
  koefFrame.StoreData(koef);
  EXPECT_EQ(koef.WindRegionalCoef, SampleKoef().WindRegionalCoef);
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
    QRadioButton* TFrameKlimatKoef::*checked;
    int stored;
  };
  const Case cases[] = {{3, &TFrameKlimatKoef::RBC, 3}, {0, &TFrameKlimatKoef::RBC, 3},
                        {1, &TFrameKlimatKoef::RBA, 1}, {7, &TFrameKlimatKoef::RBA, 1},
                        {2, &TFrameKlimatKoef::RBB, 2}, {-1, &TFrameKlimatKoef::RBB, 2}};
  TFrameKlimatKoef frame;
  for (const auto& c : cases) {
    TKlimatKoef koef;
    koef.TerrainType = c.shown;
    frame.ShowData(koef);
    EXPECT_TRUE((frame.*c.checked)->isChecked()) << c.shown;
    frame.StoreData(koef);
    EXPECT_EQ(koef.TerrainType, c.stored) << c.shown;
  }
}

TEST_F(FramesTest, NoTerrainButtonSelectedKeepsTheField) {
  TFrameKlimatKoef frame;
  frame.RBA->setAutoExclusive(false);
  frame.RBA->setChecked(false);
  TKlimatKoef koef;
  koef.TerrainType = 9;
  frame.StoreData(koef);
  EXPECT_EQ(koef.TerrainType, 9);
}

TEST_F(FramesTest, NewFramesStartWithTheirInitialValues) {
  TFrameKlimatKoef koefFrame;
  EXPECT_TRUE(koefFrame.RBA->isChecked());
  EXPECT_EQ(koefFrame.visotaPC->Value(), 15);
  for (TRealSpinEdit* edit : {koefFrame.V_Otv, koefFrame.V_Reg, koefFrame.V_Nad, koefFrame.G_Otv,
                              koefFrame.G_Reg, koefFrame.G_Nad, koefFrame.G_Usl}) {
    EXPECT_EQ(edit->Value(), 1.0);
    EXPECT_EQ(edit->Increment(), 0.001);
    EXPECT_EQ(edit->Precision(), 9);
  }
  TFrameKlimat klimatFrame;
  for (TRealSpinEdit* edit : {klimatFrame.Tols, klimatFrame.TMin, klimatFrame.TMax, klimatFrame.TGsw,
                              klimatFrame.Tgbw, klimatFrame.Tsrec, klimatFrame.VMax, klimatFrame.Vwetsg}) {
    EXPECT_EQ(edit->Increment(), 0.5);
    EXPECT_EQ(edit->Precision(), 9);
  }
}

TEST_F(FramesTest, TypedValuesAreStoredAsTheEditsHoldThem) {
  TFrameKlimat klimatFrame;
  klimatFrame.ShowData(TKlimat());
  klimatFrame.Tols->clear();
  QTest::keyClicks(klimatFrame.Tols, "12,5");  // with a comma: stored unchanged
  TKlimat klimat;
  klimatFrame.StoreData(klimat);
  EXPECT_EQ(klimat.IceThickness, 12.5);

  TFrameKlimatKoef koefFrame;
  koefFrame.visotaPC->clear();
  TKlimatKoef koef;
  koefFrame.StoreData(koef);
  EXPECT_EQ(koef.WireHeight, 0);  // a height edit without a number yields 0
  QTest::keyClicks(koefFrame.visotaPC, "-30");  // no height below the ground: the "-" is not taken
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
    EXPECT_EQ(klimat.LabThick->text().toStdString(), c.thickness);
    EXPECT_EQ(klimat.LabMin->text().toStdString(), c.minimum);
    EXPECT_EQ(klimat.LabIce1->text().toStdString(), c.withWind);
    EXPECT_EQ(koef.Lab_do->text().toStdString(), c.lab_do);
    EXPECT_EQ(koef.Lab_m->text().toStdString(), c.meter);
    EXPECT_EQ(koef.LabOper->text().toStdString(), c.operating);
    for (QLabel* unit : klimat.LabCelsius) EXPECT_EQ(unit->text(), QString("°C"));
    EXPECT_EQ(koef.RBC->text(), QString("C"));
    // The two rows of the height caption stay two rows, without a stray CR.
    EXPECT_EQ(koef.LabHeight->text().count('\n'), 1);
    EXPECT_FALSE(koef.LabHeight->text().contains('\r'));
  }
}

TEST_F(FramesTest, EveryCaptionIsFilledInBothLanguages) {
  TFrameKlimat klimat;
  TFrameKlimatKoef koef;
  for (int language : {0, 1}) {
    UseLanguage(language);
    klimat.Localise();
    koef.Localise();
    for (QGroupBox* box : {klimat.GroupBoxIce, klimat.GroupBoxTemp, klimat.GroupBoxWind, koef.GroupBoxPar,
                           koef.GroupBoxCoef, koef.GroupBoxWind, koef.GroupBoxIce}) {
      EXPECT_FALSE(box->title().trimmed().isEmpty()) << language;
    }
    for (QLabel* label :
         {klimat.LabThick, klimat.Lab_mm, klimat.LabMax, klimat.LabIce2, klimat.LabAverage, klimat.LabWindMax,
          klimat.LabWindIce, klimat.Lab_ms1, klimat.Lab_ms2, koef.LabTypeTer, koef.LabHeight, koef.LabRes1,
          koef.LabReg1, koef.LabRel1, koef.LabRes2, koef.LabReg2, koef.LabRel2}) {
      EXPECT_FALSE(label->text().trimmed().isEmpty()) << language;
    }
  }
}

}  // namespace
