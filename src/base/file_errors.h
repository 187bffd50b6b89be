#pragma once

#include <string>

// The file layer's message for a C library error number: "File not found",
// "File access denied", "Too many open files" or "I/O error <number>".
std::string FileErrorMessage(int errorNumber);
