#include "base/file_errors.h"

#include <cerrno>

namespace orv::base {

std::string FileErrorMessage(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
      return "File not found";
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return "File access denied";
    case EMFILE:
    case ENFILE:
      return "Too many open files";
    default:
      return "I/O error " + std::to_string(errorNumber);
  }
}

namespace {

struct ErrorReason {
  int number;
  const char* text;
};

// Our own table rather than strerror: its texts follow the process locale and
// differ between C libraries, and a message must read the same everywhere.
constexpr ErrorReason kReasons[] = {
    {ENOENT, "No such file or directory"},
    {ENOTDIR, "Not a directory"},
    {EACCES, "Permission denied"},
    {EPERM, "Operation not permitted"},
    {EISDIR, "Is a directory"},
    {EROFS, "Read-only file system"},
    {ENOSPC, "No space left on device"},
#ifdef EDQUOT
    {EDQUOT, "Disk quota exceeded"},
#endif
    {EFBIG, "File too large"},
    {ENAMETOOLONG, "File name too long"},
    {EEXIST, "File exists"},
    {EMFILE, "Too many open files"},
    {ENFILE, "Too many open files in system"},
    {EIO, "Input/output error"},
    {EBUSY, "Device or resource busy"},
    {ETXTBSY, "Text file busy"},
    {EXDEV, "Invalid cross-device link"},
    {ELOOP, "Too many levels of symbolic links"},
    {EINVAL, "Invalid argument"},
    {ENOMEM, "Not enough memory"},
    {ENXIO, "No such device or address"},
    {ENODEV, "No such device"},
    {EBADF, "Bad file descriptor"},
    {EPIPE, "Broken pipe"},
};

}  // namespace

std::string FileErrorReason(int errorNumber) {
  for (const ErrorReason& reason : kReasons)
    if (reason.number == errorNumber) return reason.text;
  return "error " + std::to_string(errorNumber);
}

}  // namespace orv::base
