#include "base/temporary_files.h"

#include <cstdint>
#include <random>
#include <string>
#include <system_error>

#include "base/file_open.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace orv::base {

namespace fs = std::filesystem;

namespace {

// UTF-8 on every system; string() would throw on Windows for a name outside
// the ANSI code page.
std::string NameOf(const fs::path& path) { return PathToUtf8(path.filename()); }

constexpr const char* kPrefix = ".orvane-";
constexpr const char* kSuffix = ".tmp";

// FNV-1a of the name's bytes as eight hex digits: the same on every run, so a
// later run finds what an earlier one left.
std::string TargetTag(const fs::path& target) {
  std::uint32_t hash = 2166136261u;
  for (char c : NameOf(target)) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string tag(8, '0');
  for (int i = 7; i >= 0; --i, hash >>= 4) tag[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
  return tag;
}

std::string NamePrefix(const fs::path& target) { return kPrefix + TargetTag(target) + "."; }

fs::path FolderOf(const fs::path& target) {
  return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

}  // namespace

fs::path TemporaryPathFor(const fs::path& target) {
  static std::mt19937_64 generator{std::random_device{}()};
  static constexpr char kLetters[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string random(6, '0');
  for (char& c : random) c = kLetters[generator() % 36];
  return target.parent_path() / (NamePrefix(target) + random + kSuffix);
}

void HoldWhileWriting(std::FILE* file) {
#ifdef _WIN32
  (void)file;
#else
  // A lock refused only leaves the file to its age.
  (void)flock(fileno(file), LOCK_EX | LOCK_NB);
#endif
}

namespace {

bool IsOld(const fs::directory_entry& entry) {
  std::error_code error;
  const fs::file_time_type written = entry.last_write_time(error);
  return !error && fs::file_time_type::clock::now() - written > kStaleTemporaryAge;
}

// Removes the file unless a run holds it. On Windows the removal itself fails
// for a file that is open.
void RemoveUnlessHeld(const fs::path& path) {
  std::error_code ignored;
#ifndef _WIN32
  const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) fs::remove(path, ignored);
  close(fd);
#else
  fs::remove(path, ignored);
#endif
}

// ".orvane-" 8 hex digits "." 6 letters ".tmp", with `prefix` at its start.
bool IsTemporaryName(const std::string& name, const std::string& prefix) {
  const std::size_t length = std::char_traits<char>::length(kPrefix) + 8 + 1 + 6 +
                             std::char_traits<char>::length(kSuffix);
  return name.size() == length && name.starts_with(prefix) && name.ends_with(kSuffix);
}

void RemoveStaleNamed(const fs::path& folder, const std::string& prefix) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (!IsTemporaryName(NameOf(it->path()), prefix)) continue;
    std::error_code ignored;
    if (it->is_regular_file(ignored) && !it->is_symlink(ignored) && IsOld(*it)) RemoveUnlessHeld(it->path());
  }
}

}  // namespace

void RemoveStaleTemporaries(const fs::path& target) { RemoveStaleNamed(FolderOf(target), NamePrefix(target)); }

void RemoveStaleTemporariesIn(const fs::path& folder) { RemoveStaleNamed(folder, kPrefix); }

}  // namespace orv::base
