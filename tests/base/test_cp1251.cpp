#include "base/cp1251.h"

#include <gtest/gtest.h>

#include "base/errors.h"

using namespace orv::base;

namespace {

TEST(Cp1251, CyrillicAndPunctuationBothWays) {
  const std::pair<std::string, std::string> cases[] = {
      {"АС 70/11", "\xC0\xD1 70/11"},
      {"Ёё", "\xA8\xB8"},
      {"яЯ", "\xFF\xDF"},
      {"№ 5", "\xB9 5"},
      {"€", "\x88"},
      {"it’s", "it\x92s"},
      {"«»", "\xAB\xBB"},
      {"°", "\xB0"},
      {"Ђ", "\x80"},
      {"\u00A0", "\xA0"},
      {"", ""},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& [utf8, bytes] : cases) {
    EXPECT_EQ(Utf8ToCp1251(utf8), bytes) << utf8;
    EXPECT_EQ(Cp1251ToUtf8(bytes), utf8) << utf8;
    EXPECT_TRUE(FitsCp1251(utf8)) << utf8;
  }
}

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, RefusesWhatItCannotHoldAndNamesTheCharacter) {
  const std::pair<std::string, std::string> cases[] = {
      {"Straße", "\"ß\" (U+00DF)"},
      {"日本", "\"日\" (U+65E5)"},
      {"smile 😀", "\"😀\" (U+1F600)"},
      {"ö", "\"ö\" (U+00F6)"},
  };
  for (const auto& [utf8, named] : cases) {
    EXPECT_FALSE(FitsCp1251(utf8)) << utf8;
    try {
      Utf8ToCp1251(utf8);
      ADD_FAILURE() << "accepted: " << utf8;
    } catch (const OrvError& error) {
      EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
    }
  }
}

TEST(Cp1251, RefusesMalformedUtf8) {
  const std::string cases[] = {"\xC0\xAF",         "\xE0\x80\xAF", "abc\xD0", "\xED\xA0\x80",
                               "\xF4\x90\x80\x80", "\x80",         "\xFF"};
  for (const std::string& text : cases) {
    EXPECT_FALSE(FitsCp1251(text));
    EXPECT_THROW(Utf8ToCp1251(text), OrvError);
  }
}

TEST(Utf8Length, CountsCharactersNotBytes) {
  EXPECT_EQ(Utf8Length(""), 0u);
  EXPECT_EQ(Utf8Length("123456"), 6u);
  EXPECT_EQ(Utf8Length("АС 70/11"), 8u);
  EXPECT_EQ(Utf8Length("Ёж😀"), 3u);
}

TEST(Utf8Left, NeverCutsACharacter) {
  const struct {
    std::string text;
    std::size_t chars;
    std::string left;
  } cases[] = {
      {"АС 70/11", 2, "АС"}, {"АС 70/11", 100, "АС 70/11"},
      {"abc", 0, ""},        {"Ёж😀x", 3, "Ёж😀"},
      {"", 5, ""},           {"провод-16-знаков-и-больше", 16, "провод-16-знаков"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8Left(c.text, c.chars), c.left) << c.text << " " << c.chars;
}

}  // namespace
