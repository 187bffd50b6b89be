#include "base/temporary_files.h"

#include <cstdint>
#include <random>
#include <string>
#include <system_error>

#include "base/file_open.h"

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

void RemoveStaleTemporaries(const fs::path& target) {
  const std::string prefix = NamePrefix(target);
  const std::size_t length = prefix.size() + 6 + std::char_traits<char>::length(kSuffix);
  std::error_code error;
  for (fs::directory_iterator it(FolderOf(target), error), end; !error && it != end; it.increment(error)) {
    const std::string name = NameOf(it->path());
    if (name.size() != length || !name.starts_with(prefix) || !name.ends_with(kSuffix)) continue;
    std::error_code ignored;
    if (it->is_regular_file(ignored) && !it->is_symlink(ignored)) fs::remove(it->path(), ignored);
  }
}
