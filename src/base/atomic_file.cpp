#include "base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "base/file_errors.h"
#include "base/file_identity.h"
#include "base/file_open.h"
#include "base/removed_on_stop.h"
#include "base/temporary_files.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orv::base {

namespace fs = std::filesystem;

FileWriteError::FileWriteError(const std::string& path, const std::string& message, const std::string& reason)
    : OrvError("The file \"" + path + "\" cannot be written: " + message + " (" + reason + ")"),
      reason_(reason) {}

FileWriteError::FileWriteError(const std::string& path, int errorNumber)
    : FileWriteError(path, FileErrorMessage(errorNumber), FileErrorReason(errorNumber)) {}

namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

int ErrorNumber(const std::error_code& error) { return error.default_error_condition().value(); }

// Creates the temporary file exclusively: an existing file of that name is
// never overwritten.
// Watched from the moment it is ours, so that a stop never removes another
// run's file of the same name.
FileHandle CreateTemporary(const fs::path& target, fs::path& temporary, TRemovedOnStop& stop) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = TemporaryPathFor(target);
    errno = 0;
    FileHandle file(OpenFile(temporary, "wbx"), &std::fclose);
    if (file) {
      stop.Watch(temporary);
      HoldWhileWriting(file.get());
    }
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

// The file that will be replaced: the end of a symbolic link, which must be a
// regular file the user may write, or nothing yet. The rename would replace a
// read-only file, since it needs only the folder to be writable.
fs::path CheckedTarget(const std::string& path) {
  std::error_code error;
  const fs::path target = FollowLinks(PathFromUtf8(path), error);
  if (error == std::errc::permission_denied)
    throw FileWriteError(path, FileErrorMessage(EACCES),
                         "a link in a shared folder that another user owns is not followed");
  if (error) throw FileWriteError(path, ErrorNumber(error));
  const fs::file_status status = fs::status(target, error);
  if (!fs::exists(status)) return target;
  if (fs::is_directory(status)) throw FileWriteError(path, EISDIR);
  if (!fs::is_regular_file(status))
    throw FileWriteError(path, FileErrorMessage(EACCES), "Not a regular file");
  // Marked read-only, it stays so even for the administrator.
  constexpr fs::perms kWritable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((status.permissions() & kWritable) == fs::perms::none)
    throw FileWriteError(path, FileErrorMessage(EACCES), "the file is read-only");
  errno = 0;
  if (FileHandle probe(OpenFile(target, "r+b"), &std::fclose); !probe)
    throw FileWriteError(path, errno ? errno : EACCES);
  return target;
}

// The complete temporary file beside the target; removed again on failure.
fs::path WriteTemporary(const std::string& path, const fs::path& target, const std::string& bytes,
                        TRemovedOnStop& stop) {
  fs::path temporary;
  FileHandle file = CreateTemporary(target, temporary, stop);
  if (!file) throw FileWriteError(path, errno ? errno : EIO);
  if (int error = WriteAndClose(std::move(file), bytes)) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw FileWriteError(path, error);
  }
  KeepPermissionsOf(target, temporary);
  return temporary;
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
#endif

// The one step that changes the target: everything before worked on the
// temporary file.
void ReplaceTarget(const fs::path& temporary, const fs::path& target, std::error_code& error) {
#ifdef _WIN32
  // ReplaceFileW swaps the complete file in and keeps the target's attributes
  // and security; a target that does not exist yet is moved into place,
  // written through to the disk before the call returns. Both take the paths
  // in Windows' own form (Wine's ReplaceFileW refuses "/").
  const fs::path from = fs::path(temporary).make_preferred();
  const fs::path to = fs::path(target).make_preferred();
  if (ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return;
  const DWORD replaceError = GetLastError();
  if (replaceError == ERROR_FILE_NOT_FOUND &&
      MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return;
  }
  error = ErrorNumberOf(replaceError == ERROR_FILE_NOT_FOUND ? GetLastError() : replaceError);
#else
  fs::rename(temporary, target, error);
#endif
}

// Puts the temporary file in place only where nothing is: a hard link is
// refused by the system when the name is taken, however late it was taken.
// Where the volume has no hard links, the check and the rename are close
// enough for the one caller, the first copy of the catalogue.
bool PlaceNewTarget(const fs::path& temporary, const fs::path& target, std::error_code& error) {
  // The caller removes the temporary name, linked or not.
  fs::create_hard_link(temporary, target, error);
  if (!error) return true;
  if (error == std::errc::file_exists || fs::exists(fs::symlink_status(target, error))) return false;
  error.clear();
  ReplaceTarget(temporary, target, error);
  return !error;
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const fs::path target = CheckedTarget(path);
  TRemovedOnStop stop;
  const fs::path temporary = WriteTemporary(path, target, bytes, stop);
  std::error_code error;
  ReplaceTarget(temporary, target, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw FileWriteError(path, ErrorNumber(error));
  }
  RemoveStaleTemporaries(target);
}

bool WriteNewFileAtomically(const std::string& path, const std::string& bytes) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(PathFromUtf8(path), error))) return false;
  const fs::path target = CheckedTarget(path);
  TRemovedOnStop stop;
  const fs::path temporary = WriteTemporary(path, target, bytes, stop);
  const bool placed = PlaceNewTarget(temporary, target, error);
  std::error_code ignored;
  fs::remove(temporary, ignored);
  if (error) throw FileWriteError(path, ErrorNumber(error));
  if (placed) RemoveStaleTemporaries(target);
  return placed;
}

}  // namespace orv::base
