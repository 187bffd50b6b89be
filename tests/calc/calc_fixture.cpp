#include "calc_fixture.h"

#include "support/worked_example.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;
using namespace orv::calc;

TWireRecord ExampleWire() { return WorkedExampleWire(); }

TKlimat ExampleKlimat() { return WorkedExampleKlimat(); }

TPillar ExampleSupport() { return WorkedExampleSupport(); }

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

void CalcTest::Present(const std::vector<TLocalMessage>& kept) {
  for (const TLocalMessage& message : kept) messages.Show(message.Kind, MessageText(message), message.Buttons);
}
