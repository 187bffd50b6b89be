#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "calc/klimat.h"
#include "calc/klimat_koef.h"
#include "calc/pillar.h"
#include "calc/wire_record.h"

using namespace orv::calc;

namespace {

// Each mutation changes one field; Equals / IsEqual must see every one.
template <typename T>
using Mutation = std::function<void(T&)>;

template <typename T, typename Same>
void ExpectEveryFieldCompared(const std::vector<Mutation<T>>& mutations, Same same) {
  for (size_t i = 0; i < mutations.size(); ++i) {
    SCOPED_TRACE(i);
    T a, b;
    mutations[i](b);
    EXPECT_FALSE(same(a, b));
    EXPECT_FALSE(same(b, a));
    a = T();
    a = b;
    EXPECT_TRUE(same(a, b));
  }
}

TEST(Klimat, DefaultsAndComparison) {
  TKlimat k;
  const double expected[] = {5, 0, 0, -55, 40, -5, 0, 0};
  const double got[] = {k.IceThickness, k.WindVelocityMax, k.WindVelocityIce, k.TempMin,
                        k.TempMax,      k.TempIceNoWind,   k.TempIceWind,     k.TempAverage};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(got[i], expected[i]) << i;
  ExpectEveryFieldCompared<TKlimat>(
      {[](TKlimat& k) { k.IceThickness = 5.0000001; }, [](TKlimat& k) { k.WindVelocityMax = 1; },
       [](TKlimat& k) { k.WindVelocityIce = 1; }, [](TKlimat& k) { k.TempMin = -50; },
       [](TKlimat& k) { k.TempMax = 35; }, [](TKlimat& k) { k.TempIceNoWind = -10; },
       [](TKlimat& k) { k.TempIceWind = -5; }, [](TKlimat& k) { k.TempAverage = 1e-300; }},
      [](const TKlimat& a, const TKlimat& b) { return a.IsEqual(b); });
}

TEST(Klimat, AssignFromAndSetDefaults) {
  TKlimat source;
  source.TempMax = 33;
  source.WindVelocityIce = 12.5;
  TKlimat target;
  target.AssignFrom(source);
  EXPECT_TRUE(target.IsEqual(source));
  target.SetDefaults();
  EXPECT_TRUE(target.IsEqual(TKlimat()));
}

TEST(KlimatKoef, DefaultsAndComparison) {
  TKlimatKoef c;
  for (double coef : {c.WindRespCoef, c.WindRegionalCoef, c.WindReliabilityCoef, c.IceRespCoef,
                      c.IceRegionalCoef, c.IceReliabilityCoef, c.IceOperatingCoef})
    EXPECT_EQ(coef, 1);
  EXPECT_EQ(c.WireHeight, 15);
  EXPECT_EQ(c.SupportHeight, 15);
  EXPECT_EQ(c.TerrainType, 1);
  using K = TKlimatKoef;
  ExpectEveryFieldCompared<K>(
      {[](K& c) { c.WindRespCoef = 1.1; }, [](K& c) { c.WindRegionalCoef = 1.1; },
       [](K& c) { c.WindReliabilityCoef = 1.1; }, [](K& c) { c.IceRespCoef = 1.1; },
       [](K& c) { c.IceRegionalCoef = 1.1; }, [](K& c) { c.IceReliabilityCoef = 1.1; },
       [](K& c) { c.IceOperatingCoef = 1.1; }, [](K& c) { c.WireHeight = 20; },
       [](K& c) { c.SupportHeight = 20; }, [](K& c) { c.TerrainType = 2; }},
      [](const K& a, const K& b) { return a.IsEqual(b); });
  K other;
  other.TerrainType = 3;
  other.SupportHeight = 40;
  c.AssignFrom(other);
  EXPECT_TRUE(c.IsEqual(other));
  c.SetDefaults();
  EXPECT_TRUE(c.IsEqual(K()));
}

TEST(KlimatKoef, TerrainLetter) {
  struct {
    int terrain;
    const char* letter;
  } rows[] = {{1, "A"}, {2, "B"}, {3, "C"}, {0, "unchanged"}, {4, "unchanged"}, {-1, "unchanged"}};
  for (const auto& row : rows) {
    TKlimatKoef c;
    c.TerrainType = row.terrain;
    std::string text = "unchanged";
    c.TerrainLetter(text);
    EXPECT_EQ(text, row.letter) << row.terrain;
  }
}

TEST(WireRecord, Comparison) {
  using W = TWireRecord;
  ExpectEveryFieldCompared<W>(
      {[](W& w) { w.WireGroup = 2; }, [](W& w) { w.WireName = "АС 70/11"; },
       [](W& w) { w.WireDiameter = 8.4; }, [](W& w) { w.WireArea = 43; }, [](W& w) { w.WireWeight = 0.148; },
       [](W& w) { w.WireModulus = 8250; }, [](W& w) { w.WireExpansion = 19.2e-6; }},
      [](const W& a, const W& b) { return a.Equals(b); });
  W copy;
  W source;
  source.WireName = "M-95";
  source.WireArea = 95;
  copy.Assign(source);
  EXPECT_TRUE(copy.Equals(source));
}

TEST(Pillar, Defaults) {
  TPillar p;
  EXPECT_EQ(p.SupportNumber, "");
  EXPECT_EQ(p.WireName, "");
  EXPECT_EQ(p.WiresInPhase, 1);
  EXPECT_EQ(p.DeflectionDirection, 1);
  for (double zero : {p.GroundLeft, p.GroundThis, p.GroundRight, p.TurnAngle, p.SpanLeft, p.SpanRight,
                      p.SpanEquivalent, p.DamperWeight, p.InsulatorWeight, p.StressMax, p.StressAverage,
                      p.HeightLeft, p.HeightThis, p.HeightRight, p.AlfaP, p.AlfaAB, p.AlfaBal})
    EXPECT_EQ(zero, 0);
  for (int zero : {p.TensionMax, p.TensionAverage, p.TensionMode, p.Reserved}) EXPECT_EQ(zero, 0);
}

TEST(Pillar, EqualsSeesAll25Fields) {
  using P = TPillar;
  std::vector<Mutation<P>> mutations = {
      [](P& p) { p.SupportNumber = "1"; },
      [](P& p) { p.WireName = "a"; },
      [](P& p) { p.WiresInPhase = 2; },
      [](P& p) { p.GroundLeft = 1; },
      [](P& p) { p.GroundThis = 1; },
      [](P& p) { p.GroundRight = 1; },
      [](P& p) { p.TurnAngle = 1; },
      [](P& p) { p.SpanLeft = 1; },
      [](P& p) { p.SpanRight = 1; },
      [](P& p) { p.SpanEquivalent = 1; },
      [](P& p) { p.DamperWeight = 1; },
      [](P& p) { p.InsulatorWeight = 1; },
      [](P& p) { p.StressMax = 1; },
      [](P& p) { p.StressAverage = 1; },
      [](P& p) { p.TensionMax = 1; },
      [](P& p) { p.TensionAverage = 1; },
      [](P& p) { p.TensionMode = 1; },
      [](P& p) { p.HeightLeft = 1; },
      [](P& p) { p.HeightThis = 1; },
      [](P& p) { p.HeightRight = 1; },
      [](P& p) { p.AlfaP = 1; },
      [](P& p) { p.AlfaAB = 1; },
      [](P& p) { p.AlfaBal = 1; },
      [](P& p) { p.Reserved = 1; },
      [](P& p) { p.DeflectionDirection = 0; },
  };
  EXPECT_EQ(mutations.size(), 25u);
  ExpectEveryFieldCompared<P>(mutations, [](const P& a, const P& b) { return a.Equals(b); });
}

TEST(Pillar, TextsCompareByteForByte) {
  TPillar a, b;
  a.WireName = "AC 70";
  b.WireName = "ac 70";
  EXPECT_FALSE(a.Equals(b));
  b.WireName = "AC 70 ";
  EXPECT_FALSE(a.Equals(b));
  b.Assign(a);
  EXPECT_TRUE(a.Equals(b));
}

TEST(Pillar, NextSupportNumber) {
  struct {
    const char* before;
    const char* after;
  } rows[] = {
      {"9", "10"},
      {"12", "13"},
      {"10а", "11а"},
      {"A9", "A10"},
      {"1a2", "13a"},
      {"007", "8"},
      {"000", "1"},
      {"999999", "100000"},
      {"abc", "abc"},
      {"", ""},
      {"оп-9б", "оп-10б"},
      {"ябвгд9", "ябвгд1"},
      {"99999999999999999999", "100000"},
  };
  for (const auto& row : rows) {
    TPillar p;
    p.SupportNumber = row.before;
    p.NextSupportNumber();
    EXPECT_EQ(p.SupportNumber, row.after) << row.before;
  }
}

}  // namespace
