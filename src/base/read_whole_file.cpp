#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "base/file_errors.h"
#include "base/file_open.h"

namespace orv::base {

namespace fs = std::filesystem;

FileReadRefused::FileReadRefused(const std::string& path, const std::string& reason)
    : OrvError("The file \"" + path + "\" is not read: " + reason) {}

namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

[[noreturn]] void ThrowTooLarge(const std::string& path, std::uintmax_t limit) {
  throw FileReadRefused(path, "it is larger than " + std::to_string(limit / kMebibyte) + " MiB");
}

// Refused by what it is, before it is opened: reading a pipe or a device
// could wait or run forever.
// Returns the size the system tells, 0 when it tells none.
std::uintmax_t CheckReadable(const std::string& path, const fs::path& source, std::uintmax_t limit) {
  std::error_code error;
  const fs::file_status status = fs::status(source, error);
  if (fs::is_directory(status)) throw OrvError(FileErrorMessage(EACCES));
  if (!fs::exists(status)) return 0;  // opening says why
  if (!fs::is_regular_file(status)) throw FileReadRefused(path, "it is not a regular file");
  const std::uintmax_t size = fs::file_size(source, error);
  if (!error && size > limit) ThrowTooLarge(path, limit);
  return error ? 0 : size;
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::uintmax_t limit) {
  const fs::path source = PathFromUtf8(path);
  const std::uintmax_t told = CheckReadable(path, source, limit);
  errno = 0;
  FileHandle file(OpenFile(source, "rb"), &std::fclose);
  if (!file) throw OrvError(FileErrorMessage(errno ? errno : ENOENT));
  std::string bytes;
  // Room for the told size at once, instead of growing step by step.
  bytes.reserve(static_cast<std::size_t>(told));
  char buffer[65536];
  // The size told before may be out of date or, for some system files, wrong.
  while (std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get())) {
    if (bytes.size() + count > limit) ThrowTooLarge(path, limit);
    bytes.append(buffer, count);
  }
  if (std::ferror(file.get())) throw OrvError(FileErrorMessage(errno ? errno : EIO));
  return bytes;
}

}  // namespace orv::base
