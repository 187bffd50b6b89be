#include "calc/critical_spans.h"

#include <gtest/gtest.h>

#include <string>

#include "calc_fixture.h"
#include "base/errors.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::calc;

namespace {

struct SpanInput {
  double stressAverage, stressMax, tempAverage, tempMin, tempIce, gamma1, gammaMax, beta, alpha;
};

// The 8.4 mm wire of 43 mm²: γ1 = 0.148 / 43, β = 1/8250, α = 19.2e-6.
SpanInput ExampleInput(double stressAverage, double stressMax, double gammaMax) {
  return {stressAverage, stressMax, 0, -55, -5, 0.148 / 43.0, gammaMax, 1 / 8250.0, 19.2e-6};
}

class CriticalSpansTest : public CalcTest {
 protected:
  bool Run(const SpanInput& in) {
    std::vector<TLocalMessage> kept;
    const bool passed = CriticalSpans(in.stressAverage, in.stressMax, in.tempAverage, in.tempMin, in.tempIce,
                                      in.gamma1, in.gammaMax, in.beta, in.alpha, l1, l2, l3, &kept);
    Present(kept);
    return passed;
  }
  double l1 = -1, l2 = -1, l3 = -1;
};

struct RefusalCase {
  const char* name;
  double stressAverage, stressMax, tempIce;
  const char* english;
  const char* russian;
};

const RefusalCase kRefusals[] = {
    {"zero maximum", 8, 0, -5, "Maximum permissible tension equals 0,\r\ncalculation is impossible!",
     "Макс. допустимое напряжение равно 0, расчёт невозможен!"},
    {"both zero, first check wins", 0, 0, -5,
     "Maximum permissible tension equals 0,\r\ncalculation is impossible!",
     "Макс. допустимое напряжение равно 0, расчёт невозможен!"},
    {"just below the least maximum", 8, 0.0000099, -5,
     "Maximum permissible tension equals 0,\r\ncalculation is impossible!",
     "Макс. допустимое напряжение равно 0, расчёт невозможен!"},
    {"zero average", 0, 12, -5,
     "Tension at average annual temperature equals 0,\r\ncalculation is impossible!",
     "Напряжение при Тср.г. равно 0, расчёт невозможен!"},
    {"average a hair above the maximum", 12.000005, 12, -5,
     "Tension at average annual temperature equals maximum permissible tension,\r\n"
     "calculation is impossible!",
     "Напряжение при Тср.г. равно макс. допустимому, расчёт невозможен!"},
    {"ice one degree below minimum", 8, 12, -56,
     "Minimum temperature is higher than the air temperature at ice,\r\ncalculation is impossible!",
     "Минимальная температура выше чем при гололёде, расчёт невозможен!"},
};

TEST_F(CriticalSpansTest, RefusedInputShowsOneWarningAndLeavesSpans) {
  for (bool russian : {false, true}) {
    for (const RefusalCase& c : kRefusals) {
      SCOPED_TRACE(std::string(c.name) + (russian ? " (ru)" : " (en)"));
      messages.shown.clear();
      if (russian) UseRussian();
      SpanInput in = ExampleInput(c.stressAverage, c.stressMax, 0.0093127);
      in.tempIce = c.tempIce;
      EXPECT_FALSE(Run(in));
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
      EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
      EXPECT_EQ(messages.shown[0].text, russian ? c.russian : c.english);
      EXPECT_EQ(l1, -1);
      EXPECT_EQ(l2, -1);
      EXPECT_EQ(l3, -1);
    }
  }
}

struct SpansCase {
  const char* name;
  SpanInput in;
  double l1, l2, l3;  // kImaginarySpan stands for itself
};

const SpansCase kSpans[] = {
    {"light ice, l1 > l2 > l3", ExampleInput(8, 12, 0.0093127), 365.10, 210.49, 149.57},
    {"heavy ice, l1 imaginary",
     {8.7, 29, 0, -55, -5, 0.148 / 43.0, 0.042870, 1 / 8250.0, 19.2e-6},
     kImaginarySpan,
     103.01,
     167.25},
    {"ice at the minimum temperature gives l2 = 0",
     {8, 12, 0, -55, -55, 0.148 / 43.0, 0.0093127, 1 / 8250.0, 19.2e-6},
     365.10,
     0,
     0},
};

TEST_F(CriticalSpansTest, ExampleWires) {
  for (const SpansCase& c : kSpans) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Run(c.in));
    EXPECT_TRUE(messages.shown.empty());
    for (auto [got, want] : {std::pair{l1, c.l1}, {l2, c.l2}, {l3, c.l3}}) {
      if (want == kImaginarySpan)
        EXPECT_EQ(got, kImaginarySpan);
      else
        EXPECT_NEAR(got, want, 0.005);
    }
  }
}

TEST_F(CriticalSpansTest, ZeroRadicandGivesTheMarkerNotZero) {
  // β·(σa − σm) + α·(ta − tmin) = 0 makes R1 exactly 0; with ta − tice chosen
  // the same way R3 is 0 too (and l2 is 0, ice at the minimum).
  SpanInput in{8, 12, 0.25, 0, 0, 0.01, 0.02, 0.5, 8};
  ASSERT_TRUE(Run(in));
  EXPECT_EQ(l1, kImaginarySpan);
  EXPECT_EQ(l3, kImaginarySpan);
  EXPECT_EQ(l2, 0);
}

struct DivisorCase {
  const char* name;
  SpanInput in;
  const char* message;
};

const DivisorCase kDivisors[] = {
    {"no ice and no wind: q² − 1 = 0", ExampleInput(8, 12, 0.148 / 43.0), kDivisionByZero},
    {"and ice at the minimum temperature: 0 / 0",
     {8, 12, 0, -55, -55, 0.148 / 43.0, 0.148 / 43.0, 1 / 8250.0, 19.2e-6},
     kInvalidOperation},
    {"weightless wire", {8, 12, 0, -55, -5, 0, 0.0093127, 1 / 8250.0, 19.2e-6}, kDivisionByZero},
};

TEST_F(CriticalSpansTest, ZeroDivisorsRaiseTheNumberLayerError) {
  for (const DivisorCase& c : kDivisors) {
    SCOPED_TRACE(c.name);
    try {
      Run(c.in);
      ADD_FAILURE() << "no error";
    } catch (const FloatingPointError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(l1, -1);
  }
}

}  // namespace
