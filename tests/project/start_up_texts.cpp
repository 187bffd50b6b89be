// Every test of this program starts with the dictionary the front ends'
// start-up leaves (RegisterAllTexts): the readers and the report register
// nothing themselves, and a fixture that clears the dictionary must not
// leave the next test without its messages.
#include <gtest/gtest.h>

#include "settings/texts/all_texts.h"

namespace {

class TStartUpTexts : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { RegisterAllTexts(); }
};

const bool kListening = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new TStartUpTexts);
  return true;
}();

}  // namespace
