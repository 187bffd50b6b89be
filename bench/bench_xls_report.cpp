// The report's use of the workbook library: open a one-sheet template with a
// picture, copy it to 1,000 sheets, rename them, set about 50 cells on each
// and save. The peak resident memory of the process is reported as a counter.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "xls/workbook.h"

namespace {

std::string TemplatePath() {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() /
          "tests/data/xls/libreoffice_template.xls")
      .string();
}

void FillSheet(xls::XlsSheet sheet, int index) {
  sheet.Cell(12, 1).SetText("Support " + std::to_string(index + 1));
  sheet.Cell(13, 3).SetText("AC 70/11");
  for (int row = 14; row < 28; ++row) sheet.Cell(row, 3).SetNumber(row * 1.25 + index);
  for (int row = 13; row < 23; ++row) sheet.Cell(row, 11).SetNumber(row * 0.5);
  for (int row = 3; row < 12; ++row) sheet.Cell(row, 4).SetNumber(row + 0.25);
  for (int row = 3; row < 12; ++row) sheet.Cell(row, 11).SetNumber(row * 1.1);
  sheet.Cell(2, 17).SetText("B");
  sheet.Cell(3, 17).SetInteger(10);
  sheet.Cell(32, 1).SetText("Four vibration dampers were used as a balancing load.");
  sheet.Cell(31, 7).SetNumber(-29.6);
}

void MakeReport(int supports, const std::string& path) {
  xls::XlsWorkbook book;
  book.Open(TemplatePath());
  xls::XlsSheet first = book.Sheet(0);
  first.SetColumnWidth(1, 24);
  first.SetRowHeight(14, 24.75);
  for (int k = 1; k < supports; ++k) book.CopySheet(0, k, "P_" + std::to_string(k));
  for (int i = 0; i < supports; ++i) {
    book.RenameSheet(i, "Support №" + std::to_string(i + 1));
    FillSheet(book.Sheet(i), i);
  }
  book.Save(path);
}

void BM_XlsReport(benchmark::State& state) {
  std::string path = (std::filesystem::temp_directory_path() / "orvane_bench_report.xls").string();
  for (auto _ : state) MakeReport(static_cast<int>(state.range(0)), path);
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
  std::filesystem::remove(path);
}

BENCHMARK(BM_XlsReport)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
