// The spreadsheet report of 1, 100 and 1,000 supports, template to saved
// file. Peak memory of the largest: /usr/bin/time -v bench_report
// --benchmark_filter=/1000
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "calc/pillar.h"
#include "calc/wire_record.h"
#include "project/model/project.h"
#include "project/report/make_report.h"
#include "project/catalogue/wires_list.h"
#include "settings/localization.h"
#include "settings/ports/memory_ports.h"
#include "settings/ports/ports.h"
#include "settings/texts/all_texts.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;

namespace fs = std::filesystem;

namespace {

// A program folder holding the templates of the source tree.
std::string MakeProgramFolder() {
  const fs::path forms = fs::path(__FILE__).parent_path().parent_path() / "forms";
  const fs::path folder = fs::temp_directory_path() / "orvane-bench-report";
  fs::create_directories(folder / "Forms");
  for (const auto& entry : fs::directory_iterator(forms)) {
    if (entry.path().extension() == ".xls") {
      fs::copy_file(entry.path(), folder / "Forms" / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
    }
  }
  return folder.string() + "/";
}

TWiresList Catalogue() {
  TWiresList list;
  const struct {
    const char* name;
    double d, area, weight;
  } wires[] = {{"АС 35/6.2", 8.4, 43.0, 0.148}, {"АС 70/11", 11.4, 79.3, 0.276},
               {"АС 120/19", 15.2, 136.8, 0.471}};
  for (const auto& w : wires) {
    TWireRecord wire;
    wire.WireGroup = 1;
    wire.WireName = w.name;
    wire.WireDiameter = w.d;
    wire.WireArea = w.area;
    wire.WireWeight = w.weight;
    wire.WireModulus = 8250;
    wire.WireExpansion = 19.2e-6;
    list.Add(wire);
  }
  return list;
}

// Spans, heights and angles spread over what a line holds, every third
// support given by tensions and every seventh without an insulator string.
TProject Line(int supports) {
  TProject project;
  project.Klimat.WindVelocityMax = 25;
  project.Klimat.WindVelocityIce = 12.5;
  project.Klimat.TempIceWind = -5;
  const char* wires[] = {"АС 35/6.2", "АС 70/11", "АС 120/19"};
  for (int i = 0; i < supports; ++i) {
    TPillar support;
    support.SupportNumber = std::to_string(i + 1);
    support.WireName = wires[i % 3];
    support.SpanLeft = 120 + (i * 37) % 300;
    support.SpanRight = 120 + (i * 53) % 300;
    support.SpanEquivalent = (support.SpanLeft + support.SpanRight) / 2;
    support.GroundLeft = 100 + (i % 5);
    support.GroundThis = 100 + (i % 7) * 0.5;
    support.GroundRight = 100 + (i % 3);
    support.HeightLeft = support.HeightThis = support.HeightRight = 18 + (i % 4);
    support.TurnAngle = (i % 11 == 0) ? 3 : 0;
    support.DamperWeight = 5;
    support.InsulatorWeight = (i % 7 == 0) ? 0 : 50;
    support.TensionMode = (i % 3 == 0) ? 1 : 0;
    support.StressMax = 12;
    support.StressAverage = 8;
    support.TensionMax = 1200;
    support.TensionAverage = 800;
    support.AlfaP = 45;
    support.AlfaAB = 10 + (i % 10);
    support.AlfaBal = 60;
    project.Pillars.Add(support);
  }
  return project;
}

void BM_Report(benchmark::State& state) {
  MemorySettingsStore settings;
  RecordingMessages messages;
  FixedFolders folders;
  folders.programFolder = MakeProgramFolder();
  SetSettingsStore(&settings);
  SetMessages(&messages);
  SetFolders(&folders);
  InitLocalization();
  RegisterAllTexts();
  SetLanguageForSession(0);

  const TWiresList catalogue = Catalogue();
  const TProject project = Line(static_cast<int>(state.range(0)));
  const std::string path = folders.programFolder + "report.xls";
  for (auto _ : state) {
    if (WriteReport(project, path, catalogue) != ReportOutcome::Saved) {
      state.SkipWithError("the report was not written");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["bytes"] = static_cast<double>(fs::file_size(path));

  FreeLocalization();
  ResetPorts();
}

BENCHMARK(BM_Report)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
