#pragma once

#include <string>

namespace orv::base {

// The file layer's message for a C library error number: "File not found",
// "File access denied", "Too many open files" or "I/O error <number>".
std::string FileErrorMessage(int errorNumber);

// The reason in words, the same in every locale and on every system: "No
// space left on device", "Permission denied", "Is a directory", "File name
// too long"; "error <number>" for a number outside our table.
std::string FileErrorReason(int errorNumber);

}  // namespace orv::base
