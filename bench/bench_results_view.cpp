// The results table of the main window after a change of the climate: every
// support recalculated, every row formatted and written into the table, as
// the window does it. Off screen; the view needs a 1,000-support project
// well within 20 ms. A change of one support recalculates only that one.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "project/results/results_table.h"
#include "project_sample.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"
#include "ui/models/results_table_model.h"
#include "ui/results/supports_view.h"

using namespace orv::settings;
using namespace orv::project;
using namespace orv::ui;

namespace {

void BM_ResultsView(benchmark::State& state) {
  RegisterAllTexts();
  TWiresList catalogue;
  TProject project = bench::Project(static_cast<int>(state.range(0)), catalogue);
  TResultsTableModel rows;
  TSupportsView grid(rows);
  rows.ShowRows(MakeResultRows(project, CalculateProjectSupports(project, catalogue)));
  double wind = project.Klimat.WindVelocityMax;
  for (auto _ : state) {
    // A new climate each time, so that every row is written again.
    project.Klimat.WindVelocityMax = (wind += 0.01);
    rows.ShowRows(MakeResultRows(project, CalculateProjectSupports(project, catalogue)));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  ResetPorts();
}

void BM_ResultsViewOneSupport(benchmark::State& state) {
  RegisterAllTexts();
  TWiresList catalogue;
  TProject project = bench::Project(static_cast<int>(state.range(0)), catalogue);
  std::vector<TSupportOutcome> outcomes = CalculateProjectSupports(project, catalogue);
  TResultsTableModel rows;
  TSupportsView grid(rows);
  rows.ShowRows(MakeResultRows(project, outcomes));
  for (auto _ : state) {
    outcomes[0] = CalculateProjectSupport(project, 0, catalogue);
    rows.ShowRows(MakeResultRows(project, outcomes));
  }
  ResetPorts();
}

BENCHMARK(BM_ResultsView)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResultsViewOneSupport)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
