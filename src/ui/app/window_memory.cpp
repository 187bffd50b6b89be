#include "ui/app/window_memory.h"

#include <QMainWindow>
#include <QSplitter>
#include <QStringList>
#include <optional>
#include <vector>

#include "settings/ports/ports.h"
#include "settings/ports/settings_store.h"

using namespace orv::settings;

namespace orv::ui {

namespace {

constexpr const char* kWindowSize = "WindowSize";
constexpr const char* kSplitterSizes = "SplitterSizes";
constexpr const char* kSplitterName = "SupportsSplitter";

// Two positive whole numbers, "1024 700"; none when the setting is missing
// or damaged.
std::optional<std::pair<int, int>> ReadPair(const char* name) {
  const std::optional<std::string> stored = GetSettingsStore().ReadString(name);
  if (!stored) return std::nullopt;
  const QStringList parts = QString::fromStdString(*stored).split(' ', Qt::SkipEmptyParts);
  if (parts.size() != 2) return std::nullopt;
  bool firstOk = false;
  bool secondOk = false;
  const int first = parts[0].toInt(&firstOk);
  const int second = parts[1].toInt(&secondOk);
  if (!firstOk || !secondOk || first <= 0 || second <= 0) return std::nullopt;
  return std::pair{first, second};
}

void WritePair(const char* name, int first, int second) {
  GetSettingsStore().WriteString(name, std::to_string(first) + " " + std::to_string(second));
}

}  // namespace

void RestoreWindowLayout(QMainWindow& window) {
  if (const auto size = ReadPair(kWindowSize)) window.resize(size->first, size->second);
  auto* split = window.findChild<QSplitter*>(kSplitterName);
  if (const auto sizes = ReadPair(kSplitterSizes); split && sizes) split->setSizes({sizes->first, sizes->second});
}

void RememberWindowLayout(const QMainWindow& window) {
  if (window.isMaximized() || window.isFullScreen()) return;
  WritePair(kWindowSize, window.width(), window.height());
  const auto* split = window.findChild<QSplitter*>(kSplitterName);
  if (!split || split->sizes().size() != 2) return;
  const QList<int> sizes = split->sizes();
  if (sizes[0] > 0 && sizes[1] > 0) WritePair(kSplitterSizes, sizes[0], sizes[1]);
}

}  // namespace orv::ui
