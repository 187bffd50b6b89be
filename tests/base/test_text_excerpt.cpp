#include <gtest/gtest.h>

#include "base/text_excerpt.h"

using namespace orv::base;

namespace {

TEST(TextExcerpt, ShortEscapedAndSafeForATerminal) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"12,5", "12,5"},
      {"Провод", "Провод"},
      {"\x1b]0;title\a\x1b[2J", "\\x1b]0;title\\x07\\x1b[2J"},
      {std::string("a\0b", 3), "a\\x00b"},
      {"\xC2\x9B"
       "31m",
       "\\u009b31m"},              // the one-character CSI
      {"\xFF\xC0", "\\xff\\xc0"},  // not UTF-8
      {std::string(41, '9'), std::string(40, '9') + "..."},
      {std::string(40, 'x'), std::string(40, 'x')},
  };
  for (const auto& c : cases) EXPECT_EQ(TextExcerpt(c.text), c.shown);
}

}  // namespace
