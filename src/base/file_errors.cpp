#include "base/file_errors.h"

#include <cerrno>

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
