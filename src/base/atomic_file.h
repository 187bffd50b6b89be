#pragma once

#include <string>

// Writes bytes to a temporary file beside the target and renames it over the
// target only when complete. On failure the temporary file is removed, an
// existing target is left byte for byte as it was, and OrvError names the
// file.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// The whole file; throws "File not found", "File access denied" or
// "I/O error %d".
std::string ReadWholeFile(const std::string& path);
