// Recalculating a whole project for the results view: every support with its
// record, boxes kept, as CalculateProjectSupports does after each change.
// The view needs a 1,000-support project well within 20 ms, the rows of the
// results table (texts, marks, repeated numbers) included.

#include <benchmark/benchmark.h>

#include <vector>

#include "project/results/project_results.h"
#include "project/results/results_table.h"
#include "project_sample.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;
using namespace orv::project;

namespace {

void BM_CalculateProjectSupports(benchmark::State& state) {
  RegisterAllTexts();
  TWiresList catalogue;
  const TProject project = bench::Project(static_cast<int>(state.range(0)), catalogue);
  for (auto _ : state) {
    std::vector<TSupportOutcome> outcomes = CalculateProjectSupports(project, catalogue);
    benchmark::DoNotOptimize(outcomes.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  ResetPorts();
}

// What the main window does after a change of the climate: every support
// again, and every row of the table.
void BM_ResultsTableRows(benchmark::State& state) {
  RegisterAllTexts();
  TWiresList catalogue;
  const TProject project = bench::Project(static_cast<int>(state.range(0)), catalogue);
  for (auto _ : state) {
    std::vector<TResultRow> rows = MakeResultRows(project, CalculateProjectSupports(project, catalogue));
    benchmark::DoNotOptimize(rows.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  ResetPorts();
}

BENCHMARK(BM_CalculateProjectSupports)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResultsTableRows)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
