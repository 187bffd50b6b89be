// Reading and writing a project of 10,000 supports, as the desktop program
// opens and saves it; each should stay well under 50 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "project/model/project.h"

using namespace orv::base;
using namespace orv::calc;
using namespace orv::project;

namespace {

constexpr int kSupports = 10000;

TProject LargeProject() {
  TProject project;
  project.Klimat.IceThickness = 15;
  project.Klimat.WindVelocityMax = 29;
  for (int i = 0; i < kSupports; ++i) {
    TPillar support;
    support.SupportNumber = std::to_string(i + 1) + (i % 7 == 0 ? "а" : "");
    support.WireName = i % 3 == 0 ? "АС 70/11" : "АС 120/19";
    support.GroundLeft = 140.25 + i % 13 * 0.37;
    support.GroundThis = 141.5 - i % 11 * 0.41;
    support.GroundRight = 139.75 + i % 5 * 0.29;
    support.TurnAngle = i % 17 == 0 ? 4.5 : 0;
    support.SpanLeft = 180 + i % 50;
    support.SpanRight = 175.5 + i % 60;
    support.SpanEquivalent = 205;
    support.DamperWeight = 4.2;
    support.InsulatorWeight = 28;
    if (i % 4 == 0) {
      support.TensionMode = 1;
      support.TensionMax = 1750;
      support.TensionAverage = 1150;
    } else {
      support.StressMax = 13;
      support.StressAverage = 8.5;
    }
    support.HeightLeft = support.HeightThis = support.HeightRight = 19.5;
    support.AlfaP = 45;
    support.AlfaAB = 12.5;
    support.AlfaBal = 14;
    project.Pillars.Add(support);
  }
  return project;
}

void BM_SaveProject(benchmark::State& state) {
  TProject project = LargeProject();
  for (auto _ : state) {
    std::string file;
    project.SaveToText(file);
    benchmark::DoNotOptimize(file.data());
  }
  state.SetItemsProcessed(state.iterations() * kSupports);
}

void BM_LoadProject(benchmark::State& state) {
  const std::string text = LargeProject().FileText();
  for (auto _ : state) {
    TProject project;
    TextLineReader file(text);
    project.LoadFromText(file);
    benchmark::DoNotOptimize(project.Pillars.Count());
  }
  state.SetItemsProcessed(state.iterations() * kSupports);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

}  // namespace

BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
