// The main window off screen with a 1,000-support line: how long one action
// takes until the window shows its outcome everywhere (the results table,
// the swing diagram or the profile, whichever tab is up), posted events and
// paints included. The window should answer an edit of one support within
// 50 ms, a change of the climate within 100 ms, and a paste of 1,000
// supports within 100 ms.
// Counters per action: the document's notifications, the table cells
// written, and the paints of the table, the swing diagram and the profile.

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollArea>
#include <QTabWidget>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "project/file/project_file.h"
#include "project/results/support_clipboard.h"
#include "project/workspace.h"
#include "project_sample.h"
#include "settings/localization.h"
#include "settings/texts/all_texts.h"
#include "ui/frames/frm_klimat.h"
#include "ui/main_window/form_main.h"
#include "ui/results/supports_view.h"

using namespace orv::settings;
using namespace orv::calc;
using namespace orv::project;
using namespace orv::ui;

namespace {

constexpr int kSupports = 1000;
constexpr int kCurrentSupport = kSupports / 2;

// --- what the benchmarks drive: the window and the three actions ---

std::filesystem::path ScratchFile(const char* name) { return std::filesystem::temp_directory_path() / name; }

// The 1,000-support project as a file, its wires in a catalogue file.
const std::string& ProjectPath() {
  static const std::string path = [] {
    TWiresList wires;
    TProject project = bench::Project(kSupports, wires);
    wires.SaveToFile(ScratchFile("orvane_bench_wires.dat").string());
    SaveProjectFile(ScratchFile("orvane_bench_window.orv").string(), project);
    return ScratchFile("orvane_bench_window.orv").string();
  }();
  return path;
}

std::string CataloguePath() {
  ProjectPath();
  return ScratchFile("orvane_bench_wires.dat").string();
}

// The window shown with the project of `path` open, its supports page up,
// the picture tab `tab` (0 swing diagram, 1 profile) in front and the
// support in the middle of the line selected.
// The window and the documents it shows, as the start-up code owns them.
struct TShownWindow {
  TWorkspace workspace;
  TFormMain window{workspace};
};

std::unique_ptr<TShownWindow> MakeWindow(const std::string& path, int tab) {
  auto shown = std::make_unique<TShownWindow>();
  shown->workspace.Catalogue.Load(CataloguePath());
  TFormMain* window = &shown->window;
  window->show();
  window->Document().Open(path);
  window->ActViewSupportsExecute();
  window->findChild<QTabWidget*>("Pictures")->setCurrentIndex(tab);
  window->SelectSupport(kCurrentSupport);
  return shown;
}

// What OK in the support editor does: the current support replaced by an
// edited copy. `step` makes every edit a change.
void EditOneSupport(TFormMain& window, int step) {
  const int row = window.CurrentRow();
  TPillar support = window.Document().Project().Pillars.Items(row);
  support.SpanLeft += step % 2 == 0 ? 1 : -1;
  window.Document().EditSupport(row, support);
}

// A new maximum wind typed into the climate frame, then committed as
// leaving the frame commits it.
void ChangeClimate(TFormMain& window, int step) {
  auto* frame = window.findChild<TFrameKlimat*>("FrameKlimat");
  TKlimat climate;
  climate.AssignFrom(window.Document().Project().Klimat);
  climate.WindVelocityMax += step % 2 == 0 ? 1 : -1;
  frame->ShowData(climate);
  window.IsModified();
}

// The supports of `text` pasted after the current one, as the context menu's
// Paste does.
void PasteSupports(TFormMain& window, const std::string& text) {
  auto* data = new QMimeData;
  data->setData(kSupportsMimeType, QByteArray::fromStdString(text));
  QApplication::clipboard()->setMimeData(data);
  window.ActPillarPasteClipboardExecute();
}

// --- measuring ---

// Until the window has drawn what the action changed.
void Settle() {
  QCoreApplication::sendPostedEvents();
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  QApplication::processEvents();
}

// Counts what an action costs beside its time.
class TCounts : public QObject {
 public:
  explicit TCounts(TFormMain& window) {
    window.Document().Subscribe([this](const TDocumentChange&) { ++counts_["notices"]; });
    auto* grid = window.findChild<TSupportsView*>("Grid");
    connect(grid->model(), &QAbstractItemModel::dataChanged, this, [this] { ++counts_["cells"]; });
    watched_ = {{grid->viewport(), "paint_table"},
                {window.findChild<QWidget*>("SwingView"), "paint_swing"},
                {window.findChild<QScrollArea*>("ProfileView")->widget(), "paint_profile"}};
    for (const auto& [widget, name] : watched_) widget->installEventFilter(this);
  }
  // The counts so far, which start again from nothing.
  std::map<std::string, long> Take() { return std::exchange(counts_, {}); }
  // The counts so far per action, as the benchmark's counters.
  void Report(benchmark::State& state, int actions) { ReportCounts(state, Take(), actions); }
  static void ReportCounts(benchmark::State& state, const std::map<std::string, long>& counts, int actions) {
    for (const char* name : {"notices", "cells", "paint_table", "paint_swing", "paint_profile"}) {
      const auto found = counts.find(name);
      state.counters[name] = found == counts.end() ? 0.0 : static_cast<double>(found->second) / actions;
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const auto found = watched_.find(watched);
      if (found != watched_.end()) ++counts_[found->second];
    }
    return false;
  }

 private:
  std::map<std::string, long> counts_;
  std::map<QObject*, std::string> watched_;
};



// Times `action`, given the number of the step, until the window has redrawn.
void TimeActions(benchmark::State& state, void (*action)(TFormMain&, int)) {
  const auto shown = MakeWindow(ProjectPath(), static_cast<int>(state.range(0)));
  TFormMain& window = shown->window;
  Settle();
  TCounts counts(window);
  int step = 0;
  const int recalculations = shown->workspace.Results.Recalculations();
  for (auto _ : state) {
    action(window, step++);
    Settle();
  }
  counts.Report(state, step);
  state.counters["recalculations"] = (shown->workspace.Results.Recalculations() - recalculations) / double(step);
}

void BM_EditOneSupport(benchmark::State& state) { TimeActions(state, EditOneSupport); }
void BM_ChangeClimate(benchmark::State& state) { TimeActions(state, ChangeClimate); }

void BM_PasteSupports(benchmark::State& state) {
  const int pasted = static_cast<int>(state.range(1));
  const std::vector<bench::Support> made = bench::MakeSupports(pasted);
  std::vector<TPillar> supports;
  for (const bench::Support& s : made) {
    supports.push_back(s.pillar);
    supports.back().SupportNumber = "N" + std::to_string(supports.size());
    supports.back().WireName = s.wire.WireName;
  }
  const std::string text = SupportsToClipboardText(supports);
  const auto shown = MakeWindow(ProjectPath(), static_cast<int>(state.range(0)));
  TFormMain* window = &shown->window;
  Settle();
  TCounts counts(*window);
  std::map<std::string, long> pasteCounts;
  int recalculations = 0;
  for (auto _ : state) {
    const int before = shown->workspace.Results.Recalculations();
    PasteSupports(*window, text);
    Settle();
    state.PauseTiming();
    recalculations = shown->workspace.Results.Recalculations() - before;
    // The counts of the last paste; the reopening is none of it.
    pasteCounts = counts.Take();
    window->Document().Open(ProjectPath());
    window->SelectSupport(kCurrentSupport);
    Settle();
    counts.Take();
    state.ResumeTiming();
  }
  TCounts::ReportCounts(state, pasteCounts, 1);
  state.counters["recalculations"] = recalculations;
}

BENCHMARK(BM_EditOneSupport)->ArgName("tab")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeClimate)->ArgName("tab")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteSupports)
    ->ArgNames({"tab", "supports"})
    ->Args({1, 10})
    ->Args({1, 1000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  InitLocalization();
  RegisterAllTexts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  FreeLocalization();
  std::filesystem::remove(ProjectPath());
  std::filesystem::remove(CataloguePath());
  return 0;
}
