// Throughput of the balancing-load calculation over a spread of supports like
// those of real lines: several wires, spans of 50 to 600 m, uneven ground and
// attachment heights, route turns, both tension modes.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/calculate_support.h"
#include "random_supports.h"
#include "settings/localization.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;
using namespace orv::calc;

namespace {

using bench::Climate;
using bench::MakeSupports;
using bench::Support;

// Boxes would stop a real run; here they are only counted.
class CountingMessages : public Messages {
 public:
  MessageAnswer Show(MessageKind, const std::string&, MessageButtons buttons) override {
    ++shown;
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  long shown = 0;
};

void BM_CalculateSupport(benchmark::State& state) {
  RegisterAllTexts();
  CountingMessages messages;
  SetMessages(&messages);
  const std::vector<Support> supports = MakeSupports(static_cast<int>(state.range(0)));
  const TKlimat klimat = Climate();
  const TKlimatKoef coefficients;
  std::vector<TLocalMessage> kept;
  for (auto _ : state) {
    for (const Support& s : supports) {
      kept.clear();
      TSupportResults r = CalculateSupport(s.pillar, s.wire, klimat, coefficients, nullptr, &kept);
      messages.shown += static_cast<long>(kept.size());
      benchmark::DoNotOptimize(r);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(supports.size()));
  state.counters["boxes"] = static_cast<double>(messages.shown);
  ResetPorts();
}

BENCHMARK(BM_CalculateSupport)->Arg(1)->Arg(100)->Arg(1000);

// The same with the record of how each result was reached, as the results
// view and `orvane calc --explain` ask for it.
void BM_CalculateSupportExplained(benchmark::State& state) {
  RegisterAllTexts();
  CountingMessages messages;
  SetMessages(&messages);
  const std::vector<Support> supports = MakeSupports(static_cast<int>(state.range(0)));
  const TKlimat klimat = Climate();
  const TKlimatKoef coefficients;
  TSupportExplanation explanation;
  for (auto _ : state) {
    for (const Support& s : supports) {
      TSupportResults r = CalculateSupport(s.pillar, s.wire, klimat, coefficients, &explanation);
      benchmark::DoNotOptimize(r);
      benchmark::DoNotOptimize(explanation);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(supports.size()));
  ResetPorts();
}

BENCHMARK(BM_CalculateSupportExplained)->Arg(1000);

// The dictionary lookup every calculated support ends with, alone: the share
// of the figure above that is not the calculation's own.
void BM_VerdictText(benchmark::State& state) {
  RegisterAllTexts();
  const char* keys[] = {"Mess_01", "Mess_04", "Mess_13", "There is no force"};
  size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(LocalText(keys[next++ % 4]));
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_VerdictText);

}  // namespace

BENCHMARK_MAIN();
