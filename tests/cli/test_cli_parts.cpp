#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

#include "cli/cli_options.h"
#include "cli/command_line_messages.h"
#include "cli/json_text.h"
#include "cli/session_settings_store.h"
#include "settings/ports/memory_ports.h"

using namespace orv::settings;
using namespace orv::cli;

namespace {

TEST(CliOptions, OptionsAnywhereInBothForms) {
  const CliOptions options =
      ParseCliOptions({"--lang=ru", "a.orv", "-o", "out.xls", "--units", "N", "--open", "--catalog=w.dat"},
                      kOptionCatalog | kOptionLang | kOptionUnits | kOptionOpen | kOptionOutput);
  EXPECT_EQ(options.arguments, std::vector<std::string>{"a.orv"});
  EXPECT_EQ(options.language, 1);
  EXPECT_EQ(options.units, 1);
  EXPECT_TRUE(options.open);
  EXPECT_EQ(options.output, "out.xls");
  EXPECT_EQ(options.catalog, "w.dat");
  EXPECT_FALSE(options.format.has_value());
  EXPECT_FALSE(options.from.has_value());
}

TEST(CliOptions, DoubleDashEndsTheOptions) {
  const CliOptions options = ParseCliOptions({"--", "--lang", "-o"}, kOptionLang | kOptionOutput);
  EXPECT_EQ(options.arguments, (std::vector<std::string>{"--lang", "-o"}));
  EXPECT_FALSE(options.language.has_value());
}

struct OptionValueCase {
  std::vector<std::string> words;
  int language, units;
  const char* format;
};

class CliOptionValues : public testing::TestWithParam<OptionValueCase> {};

TEST_P(CliOptionValues, Parsed) {
  const CliOptions options = ParseCliOptions(GetParam().words, kOptionLang | kOptionUnits | kOptionFormat);
  EXPECT_EQ(options.language.value_or(-1), GetParam().language);
  EXPECT_EQ(options.units.value_or(-1), GetParam().units);
  EXPECT_EQ(options.format.value_or(""), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    CliOptions, CliOptionValues,
    testing::Values(OptionValueCase{{"--lang", "en"}, 0, -1, ""},
                    OptionValueCase{{"--units", "daN", "--format", "json"}, -1, 0, "json"},
                    OptionValueCase{{"--format=text", "--lang=ru", "--units=N"}, 1, 1, "text"}));

struct OptionErrorCase {
  std::vector<std::string> words;
  const char* message;
};

class CliOptionErrors : public testing::TestWithParam<OptionErrorCase> {};

TEST_P(CliOptionErrors, AreUsageErrors) {
  try {
    ParseCliOptions(GetParam().words, kOptionLang | kOptionOpen | kOptionOutput);
    FAIL() << "no error";
  } catch (const UsageError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    CliOptions, CliOptionErrors,
    testing::Values(OptionErrorCase{{"--catalog", "w.dat"}, "unknown option --catalog"},
                    OptionErrorCase{{"--bogus"}, "unknown option --bogus"},
                    OptionErrorCase{{"-o"}, "option -o needs a value"},
                    OptionErrorCase{{"-o="}, "option -o needs a value"},
                    OptionErrorCase{{"--open=yes"}, "option --open takes no value"},
                    OptionErrorCase{{"--open", "--open"}, "option --open given more than once"},
                    OptionErrorCase{{"-o", "a", "-o", "b"}, "option -o given more than once"},
                    OptionErrorCase{{"--lang", "EN"}, "invalid value 'EN' for --lang (expected en or ru)"}));

struct JsonStringCase {
  std::string text;
  std::string json;
};

class JsonStrings : public testing::TestWithParam<JsonStringCase> {};

TEST_P(JsonStrings, Escaped) { EXPECT_EQ(JsonString(GetParam().text), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(JsonText, JsonStrings,
                         testing::Values(JsonStringCase{"", "\"\""},
                                         JsonStringCase{"АС 70/11", "\"АС 70/11\""},
                                         JsonStringCase{"say \"hi\"", "\"say \\\"hi\\\"\""},
                                         JsonStringCase{"C:\\Work\\a.orv", "\"C:\\\\Work\\\\a.orv\""},
                                         JsonStringCase{"a\r\nb\tc", "\"a\\r\\nb\\tc\""},
                                         JsonStringCase{std::string("x\0y\x1f", 4), "\"x\\u0000y\\u001f\""},
                                         JsonStringCase{"bad \xff byte", "\"bad \xEF\xBF\xBD byte\""},
                                         JsonStringCase{"it’s", "\"it’s\""}));

class JsonNumbers : public testing::TestWithParam<double> {};

// Shortest text that reads back to the very same double.
TEST_P(JsonNumbers, ReadBackExactly) {
  const std::string text = JsonNumber(GetParam());
  double back = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
  EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
  EXPECT_EQ(back, GetParam()) << text;
  EXPECT_EQ(text.find_first_of(",+ "),
            text.find("e+") == std::string::npos ? std::string::npos : text.find('+'));
}

INSTANTIATE_TEST_SUITE_P(JsonText, JsonNumbers,
                         testing::Values(0.0, 29.6, 19.934826125342, -22.000000000000004, 0.1 + 0.2, 1e300,
                                         5e-324, -1.5e-7, 123456789012345678.0));

TEST(JsonText, NumbersWithoutJsonFormAreNull) {
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(JsonNumber(std::nan("")), "null");
  EXPECT_EQ(JsonOptionalNumber(std::nullopt), "null");
  EXPECT_EQ(JsonOptionalString(std::nullopt), "null");
  EXPECT_EQ(JsonNumber(29.6), "29.6");
}

struct MessageCase {
  MessageKind kind;
  const char* text;
  const char* line;
};

class MessageLines : public testing::TestWithParam<MessageCase> {};

TEST_P(MessageLines, OneLineWithItsPrefix) {
  std::ostringstream err;
  CommandLineMessages messages(err);
  EXPECT_EQ(messages.Show(GetParam().kind, GetParam().text, MessageButtons::YesNo), MessageAnswer::Yes);
  EXPECT_EQ(err.str(), std::string(GetParam().line) + "\n");
  EXPECT_EQ(messages.TakeShown(), std::vector<std::string>{GetParam().text});
  EXPECT_TRUE(messages.TakeShown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLineMessages, MessageLines,
    testing::Values(MessageCase{MessageKind::Error, "Angle Alfa(р) = 0\r\nCalculation is impossible!",
                                "error: Angle Alfa(р) = 0 Calculation is impossible!"},
                    MessageCase{MessageKind::Warning, "a\nb\rc\r\n\r\nd", "warning: a b c  d"},
                    MessageCase{MessageKind::Information, "File is successfully saved.",
                                "info: File is successfully saved."}));

TEST(CommandLineMessages, ContextGoesBeforePrintedTextsOnly) {
  std::ostringstream err;
  CommandLineMessages messages(err);
  messages.SetContext("support 1 \"7\": ");
  messages.Show(MessageKind::Warning, "text", MessageButtons::Ok);
  messages.Print(MessageKind::Error, "printed");
  EXPECT_EQ(err.str(), "warning: support 1 \"7\": text\nerror: support 1 \"7\": printed\n");
  EXPECT_EQ(messages.TakeShown(), std::vector<std::string>{"text"});
}

// What a run writes stays in the run: the stored settings never change.
TEST(SessionSettingsStore, WritesStayInTheSession) {
  MemorySettingsStore stored;
  stored.values["Language"] = "1";
  stored.values["Units"] = "0";
  SessionSettingsStore session(stored);
  session.WriteString("Language", "0");
  EXPECT_EQ(session.ReadString("Language"), "0");
  EXPECT_EQ(session.ReadString("Units"), "0");
  EXPECT_EQ(session.ReadString("Missing"), std::nullopt);
  EXPECT_EQ(stored.values["Language"], "1");
  stored.failReads = true;
  EXPECT_EQ(session.ReadString("Language"), "0");
  EXPECT_THROW(session.ReadString("Units"), std::exception);
}

}  // namespace
