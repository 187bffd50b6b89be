#pragma once

#include <string>

namespace orv::settings {

// The messages of the file readers and writers.
void RegisterFileTexts();

// The text of `key` in the current language, with %1 and %2 replaced by
// `first` and `second`.
std::string FileText(const char* key, const std::string& first = {}, const std::string& second = {});

}  // namespace orv::settings
