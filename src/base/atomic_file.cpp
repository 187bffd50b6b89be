#include "base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include "base/errors.h"
#include "base/file_errors.h"
#include "base/file_open.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

[[noreturn]] void ThrowWriteError(const std::string& path, const std::string& reason) {
  throw OrvError("The file \"" + path + "\" cannot be written: " + reason);
}

// A fresh name beside the target, so the rename never crosses a volume.
fs::path TemporaryPathFor(const fs::path& target) {
  static std::mt19937_64 generator{std::random_device{}()};
  std::string suffix = ".~" + std::to_string(generator() % 1000000000) + ".tmp";
  fs::path name = target.filename();  // never through narrow text: Windows would garble it
  name += suffix;
  return target.parent_path() / name;
}

// Creates the temporary file exclusively: an existing file of that name is
// never overwritten.
FileHandle CreateTemporary(const fs::path& target, fs::path& temporary) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = TemporaryPathFor(target);
    errno = 0;
    FileHandle file(OpenFile(temporary, "wbx"), &std::fclose);
    if (file || errno != EEXIST) return file;
  }
  return FileHandle(nullptr, &std::fclose);
}

// Writes, flushes and closes; returns the error number, 0 on success.
int WriteAndClose(FileHandle file, const std::string& bytes) {
  errno = 0;
  std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  if (written != bytes.size() || std::fflush(file.get()) != 0) return errno ? errno : EIO;
  if (std::fclose(file.release()) != 0) return errno ? errno : EIO;
  return 0;
}

void KeepPermissionsOf(const fs::path& target, const fs::path& temporary) {
  std::error_code error;
  fs::file_status status = fs::status(target, error);
  if (!error && fs::exists(status)) fs::permissions(temporary, status.permissions(), error);
}

#ifdef _WIN32
std::error_code ErrorNumberOf(DWORD systemError) {
  switch (systemError) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return std::make_error_code(std::errc::permission_denied);
    default:
      return std::make_error_code(std::errc::io_error);
  }
}

// ReplaceFileW swaps the complete file in and keeps the target's attributes
// and security; a target that does not exist yet is moved into place, written
// through to the disk before the call returns.
// ReplaceFileW takes "\" only (Wine's refuses "/"), so the paths are given
// in Windows' own form.
void ReplaceTarget(fs::path temporary, fs::path target, std::error_code& error) {
  temporary.make_preferred();
  target.make_preferred();
  // Not every ReplaceFileW refuses a folder (Wine's replaces it).
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    error = std::make_error_code(std::errc::permission_denied);
    return;
  }
  if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                   nullptr)) {
    return;
  }
  const DWORD replaceError = GetLastError();
  if (replaceError == ERROR_FILE_NOT_FOUND &&
      MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return;
  }
  error = ErrorNumberOf(replaceError == ERROR_FILE_NOT_FOUND ? GetLastError() : replaceError);
}
#endif

}  // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  fs::path target = PathFromUtf8(path);
  fs::path temporary;
  FileHandle file = CreateTemporary(target, temporary);
  if (!file) ThrowWriteError(path, FileErrorMessage(errno));
  if (int error = WriteAndClose(std::move(file), bytes)) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    ThrowWriteError(path, FileErrorMessage(error));
  }
  KeepPermissionsOf(target, temporary);
  std::error_code renameError;
#ifdef _WIN32
  ReplaceTarget(temporary, target, renameError);
#else
  fs::rename(temporary, target, renameError);
#endif
  if (renameError) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    ThrowWriteError(path, FileErrorMessage(renameError.default_error_condition().value()));
  }
}

std::string ReadWholeFile(const std::string& path) {
  fs::path source = PathFromUtf8(path);
  std::error_code error;
  if (fs::is_directory(source, error)) throw OrvError(FileErrorMessage(EACCES));
  errno = 0;
  FileHandle file(OpenFile(source, "rb"), &std::fclose);
  if (!file) throw OrvError(FileErrorMessage(errno ? errno : ENOENT));
  std::string bytes;
  char buffer[65536];
  while (std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get())) bytes.append(buffer, count);
  if (std::ferror(file.get())) throw OrvError(FileErrorMessage(errno ? errno : EIO));
  return bytes;
}
