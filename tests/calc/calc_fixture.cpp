#include "calc_fixture.h"

#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

TWireRecord ExampleWire() {
  TWireRecord wire;
  wire.WireName = "АС 35/6.2";
  wire.WireDiameter = 8.4;
  wire.WireArea = 43.0;
  wire.WireWeight = 0.148;
  wire.WireModulus = 8250;
  wire.WireExpansion = 19.2e-6;
  return wire;
}

TKlimat ExampleKlimat() {
  TKlimat klimat;
  klimat.IceThickness = 5;
  klimat.WindVelocityMax = 25;
  klimat.WindVelocityIce = 12.5;
  klimat.TempMin = -55;
  klimat.TempIceNoWind = -5;
  klimat.TempIceWind = -5;
  klimat.TempAverage = 0;
  return klimat;
}

TPillar ExampleSupport() {
  TPillar p;
  p.StressMax = 12;
  p.StressAverage = 8;
  p.SpanLeft = p.SpanRight = p.SpanEquivalent = 200;
  p.GroundLeft = p.GroundThis = p.GroundRight = 100;
  p.HeightLeft = p.HeightThis = p.HeightRight = 20;
  p.DamperWeight = 5;
  p.InsulatorWeight = 50;
  p.AlfaP = 45;
  p.AlfaAB = 10;
  p.AlfaBal = 60;
  return p;
}

void CalcTest::SetUp() {
  RegisterAllTexts();
  SetLanguageForSession(0);
  SetMessages(&messages);
}

void CalcTest::TearDown() {
  SetLanguageForSession(0);
  ResetPorts();
}

void CalcTest::UseRussian() { SetLanguageForSession(1); }
