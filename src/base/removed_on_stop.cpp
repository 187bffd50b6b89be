#include "base/removed_on_stop.h"

#include <csignal>
#include <cstdio>
#include <mutex>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace orv::base {

namespace {

// What the handler may touch: a fixed buffer and a flag, no allocation.
#ifdef _WIN32
using PathChar = wchar_t;
constexpr int kStopSignals[] = {SIGINT, SIGTERM};
void RemoveFile(const PathChar* path) { _wremove(path); }
#else
using PathChar = char;
constexpr int kStopSignals[] = {SIGTERM, SIGHUP, SIGINT};
void RemoveFile(const PathChar* path) { unlink(path); }
#endif

constexpr std::size_t kMostPathChars = 4096;
PathChar gWatched[kMostPathChars];
volatile std::sig_atomic_t gWatching = 0;

extern "C" void RemoveAndStop(int signal) {
  if (gWatching) RemoveFile(gWatched);
  // The default action again, at once: the program ends as the signal meant.
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

#ifdef _WIN32
void InstallHandlers() {
  for (int signal : kStopSignals) {
    const auto previous = std::signal(signal, RemoveAndStop);
    if (previous != SIG_DFL) std::signal(signal, previous);
  }
}
#else
void InstallHandlers() {
  for (int signal : kStopSignals) {
    struct sigaction previous {};
    if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = RemoveAndStop;
    sigemptyset(&action.sa_mask);
    for (int other : kStopSignals) sigaddset(&action.sa_mask, other);
    sigaction(signal, &action, nullptr);
  }
}
#endif

}  // namespace

void TRemovedOnStop::Watch(const std::filesystem::path& temporary) {
  static std::once_flag installed;
  std::call_once(installed, InstallHandlers);
  const auto& text = temporary.native();
  if (text.size() >= kMostPathChars) return;
  gWatching = 0;
  text.copy(gWatched, text.size());
  gWatched[text.size()] = 0;
  gWatching = 1;
}

TRemovedOnStop::~TRemovedOnStop() { gWatching = 0; }

}  // namespace orv::base
