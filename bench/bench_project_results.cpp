// Recalculating a whole project for the results view: every support with its
// record, boxes kept, as CalculateProjectSupports does after each change.
// The view needs a 1,000-support project well within 20 ms.

#include <benchmark/benchmark.h>

#include <vector>

#include "project/project_results.h"
#include "random_supports.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

namespace {

void BM_CalculateProjectSupports(benchmark::State& state) {
  RegisterAllTexts();
  TProject project;
  project.Klimat = bench::Climate();
  TWiresList catalogue;
  for (const TWireRecord& wire : bench::Wires()) catalogue.Add(wire);
  int number = 0;
  for (const bench::Support& s : bench::MakeSupports(static_cast<int>(state.range(0)))) {
    TPillar pillar = s.pillar;
    pillar.SupportNumber = std::to_string(++number);
    pillar.WireName = s.wire.WireName;
    project.Pillars.Add(pillar);
  }
  for (auto _ : state) {
    std::vector<TSupportOutcome> outcomes = CalculateProjectSupports(project, catalogue);
    benchmark::DoNotOptimize(outcomes.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  ResetPorts();
}

BENCHMARK(BM_CalculateProjectSupports)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
