// Every test of this program starts in English with the dictionary the
// front ends' start-up leaves (RegisterAllTexts): the readers and the report
// register nothing themselves, and a fixture that clears the dictionary or
// switches the language must not leave the next test without its messages
// or in another language.
#include <gtest/gtest.h>

#include "settings/localization.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;

namespace {

class TStartUpTexts : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    SetLanguageForSession(0);
    RegisterAllTexts();
  }
};

const bool kListening = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new TStartUpTexts);
  return true;
}();

}  // namespace
