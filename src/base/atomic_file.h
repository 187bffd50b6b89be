#pragma once

#include <cstdint>
#include <string>

#include "base/errors.h"

namespace orv::base {

// A write that did not happen. The message names the file and says why:
// "The file "x" cannot be written: I/O error 28 (No space left on device)";
// Reason() is the part after the file layer's message ("No space left on
// device"), for callers that put the failure in their own words.
class FileWriteError : public OrvError {
 public:
  FileWriteError(const std::string& path, const std::string& message, const std::string& reason);
  FileWriteError(const std::string& path, int errorNumber);
  const std::string& Reason() const { return reason_; }

 private:
  std::string reason_;
};

// Writes bytes to a temporary file beside the target and renames it over the
// target only when complete. On failure the temporary file is removed and an
// existing target is left byte for byte as it was. A target the user may not
// write, a folder, a device or a pipe is refused, never replaced; a symbolic
// link is written through: its target is replaced, beside itself. Temporary
// files are named ".orvane-<tag>.<random>.tmp", the tag standing for the
// target, so that ones a killed run left behind are removed by a later
// successful write of the same target once they are stale (see
// temporary_files.h); one that another run is still writing is never
// touched. Throws FileWriteError.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// The same for a file that must not exist yet: false, and nothing changed,
// when something is already there (even when it appeared during the write).
bool WriteNewFileAtomically(const std::string& path, const std::string& bytes);

// A file refused before it was read, by what it is: "The file "x" is not
// read: it is larger than 64 MiB" or "...: it is not a regular file" (a
// device or a pipe, which could be read forever).
class FileReadRefused : public OrvError {
 public:
  FileReadRefused(const std::string& path, const std::string& reason);
};

inline constexpr std::uintmax_t kMebibyte = 1024 * 1024;

// The whole file, at most `limit` bytes; throws "File not found", "File
// access denied", "I/O error %d" or FileReadRefused.
std::string ReadWholeFile(const std::string& path, std::uintmax_t limit = 256 * kMebibyte);

}  // namespace orv::base
