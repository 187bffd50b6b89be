// The modified check of the wire catalogue, which the desktop program makes
// when it closes: at the 16 MiB limit of the file (about 275,000 wires) it
// should take well under a second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "base/file_open.h"
#include "project/catalogue/wire_catalog.h"
#include "project/catalogue/wire_catalog_sort.h"
#include "project/catalogue/wires_list.h"

using namespace orv::calc;
using namespace orv::project;

namespace {

// Names repeat, as real catalogues repeat a type in several groups.
TWireRecord BenchWire(int i) {
  TWireRecord wire;
  wire.WireGroup = 1 + i % 7;
  wire.WireName = "АС " + std::to_string(i % 5000) + "/" + std::to_string(i % 37);
  wire.WireDiameter = 5 + i % 300 * 0.1;
  wire.WireArea = 20 + i % 900 * 0.5;
  wire.WireWeight = 0.05 + i % 400 * 0.01;
  wire.WireModulus = 8250;
  wire.WireExpansion = 1.92e-5;
  return wire;
}

void BM_CatalogueModifiedCheck(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("orvane-bench-" + std::to_string(count) + ".dat");
  TWiresList list;
  for (int i = 0; i < count; ++i) list.Add(BenchWire(i));
  list.SaveToFile(orv::base::PathToUtf8(file));
  TWireCatalog catalogue;
  catalogue.Load(orv::base::PathToUtf8(file));
  catalogue.SortBy(kSortByDiameter);  // the window's order, not the file's
  for (auto _ : state) benchmark::DoNotOptimize(catalogue.IsModified());
  std::filesystem::remove(file);
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_CatalogueModifiedCheck)->Arg(16000)->Arg(64000)->Arg(275000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
