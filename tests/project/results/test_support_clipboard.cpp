#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "project/results/support_clipboard.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

namespace {

// Every field set to a value of its own, so a swapped column shows.
TPillar Distinct(const std::string& number, double offset) {
  TPillar p;
  p.SupportNumber = number;
  p.WireName = "АС 70/11";
  p.WiresInPhase = 2;
  double* reals[] = {&p.GroundLeft,    &p.GroundThis,     &p.GroundRight,  &p.TurnAngle,       &p.SpanLeft,
                     &p.SpanRight,     &p.SpanEquivalent, &p.DamperWeight, &p.InsulatorWeight, &p.StressMax,
                     &p.StressAverage, &p.HeightLeft,     &p.HeightThis,   &p.HeightRight,     &p.AlfaP,
                     &p.AlfaAB,        &p.AlfaBal};
  double value = offset;
  for (double* real : reals) *real = (value += 1.25);
  p.TensionMax = 1450;
  p.TensionAverage = -7;
  p.TensionMode = 1;
  p.Reserved = 77;
  p.DeflectionDirection = 0;
  return p;
}

// What a spreadsheet in a Russian locale may hand back: CR LF, quoted texts,
// decimal commas, and the first two columns swapped.
std::string ThroughASpreadsheet(std::string text) {
  std::string out;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    std::string line = text.substr(start, end - start);
    const std::size_t first = line.find('\t');
    const std::size_t second = line.find('\t', first + 1);
    std::string number = line.substr(0, first);
    std::string wire = line.substr(first + 1, second - first - 1);
    std::string rest = line.substr(second);
    for (char& c : rest)
      if (c == '.') c = ',';
    out += "\"" + wire + "\"\t" + number + rest + "\r\n";
    start = end + 1;
  }
  return out;
}

TEST(SupportClipboard, SupportsComeBackFieldForFieldEvenThroughASpreadsheet) {
  // Texts a spreadsheet would take for formulas go behind an apostrophe and
  // come back without it.
  std::vector<TPillar> supports = {Distinct("=2+3", 0), Distinct("'-13", 100)};
  supports[1].WireName = "@SUM(A1)";
  const std::string text = SupportsToClipboardText(supports);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << "a header and one row per support";
  EXPECT_EQ(text.substr(0, text.find('\t')), "SupportNumber");
  EXPECT_NE(text.find("\n'=2+3\t"), std::string::npos) << text;
  EXPECT_NE(text.find("\n''-13\t'@SUM(A1)\t"), std::string::npos) << text;
  for (const std::string& round : {text, ThroughASpreadsheet(text)}) {
    ASSERT_TRUE(IsSupportsClipboardText(round));
    const std::vector<TPillar> back = SupportsFromClipboardText(round);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_TRUE(back[0].Equals(supports[0]));
    EXPECT_TRUE(back[1].Equals(supports[1]));
  }
}

TEST(SupportClipboard, OnlyOurHeaderIsTakenAndBadCellsNameRowAndField) {
  for (const std::string& foreign : {std::string(), std::string("12\tAC 70/11\n"), std::string("hello")}) {
    EXPECT_FALSE(IsSupportsClipboardText(foreign)) << foreign;
    EXPECT_TRUE(SupportsFromClipboardText(foreign).empty());
  }
  TPillar support = Distinct("1", 0);
  std::string text = SupportsToClipboardText({support});
  const std::size_t span = text.find("\t6.25\t");  // SpanLeft
  ASSERT_NE(span, std::string::npos);
  text.replace(span, 6, "\tlong\t");
  try {
    SupportsFromClipboardText(text);
    FAIL() << "a bad number is refused";
  } catch (const OrvError& error) {
    EXPECT_EQ(std::string(error.what()), "Row 1, SpanLeft: 'long' is not a valid floating point value");
  }
  // The side of the deflection is 16 bits wide: 65536 is refused, not wrapped to 0.
  text = SupportsToClipboardText({support});
  text.replace(text.rfind("\t0\n"), 3, "\t65536");
  try {
    SupportsFromClipboardText(text);
    FAIL() << "a value beyond its field is refused";
  } catch (const OrvError& error) {
    EXPECT_EQ(std::string(error.what()), "Row 1, DeflectionDirection: '65536' is not a valid integer value");
  }
}

TEST(SupportClipboard, TextsKeepTheirRowAndTheirLimits) {
  TPillar support = Distinct("1234567", 0);
  support.WireName = "AC\t70/11 with a long tail";
  const std::vector<TPillar> back = SupportsFromClipboardText(SupportsToClipboardText({support}));
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].SupportNumber, "123456");
  EXPECT_EQ(back[0].WireName, "AC 70/11 with a ");
  EXPECT_EQ(back[0].StressMax, support.StressMax);
}

}  // namespace
