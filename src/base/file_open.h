#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace orv::base {

// Paths are UTF-8 in memory; on Windows a narrow path would be read in the
// ANSI code page instead, so every file is named through these.
std::filesystem::path PathFromUtf8(const std::string& path);

// The path as UTF-8 text, whatever the system's own form (UTF-16 on Windows).
std::string PathToUtf8(const std::filesystem::path& path);

// fopen with a path of any characters. "x" after "w" creates the file
// exclusively on every system (the Windows C runtime may not know "x").
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

}  // namespace orv::base
