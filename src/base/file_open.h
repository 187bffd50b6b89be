#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// Paths are UTF-8 in memory; on Windows a narrow path would be read in the
// ANSI code page instead, so every file is named through these.
std::filesystem::path PathFromUtf8(const std::string& path);

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);
