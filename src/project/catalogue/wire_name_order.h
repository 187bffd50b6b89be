#pragma once

#include <string>

namespace orv::project {

// Wire names as people read them: "А 16" before "А 120", "АС 50/8" before
// "АС 400/51". Runs of digits compare by their value, everything else by its
// bytes, unsigned; <0, 0 or >0 as std::string::compare.
int CompareWireNames(const std::string& a, const std::string& b);

// The form of a UTF-8 name or search text in which letters of either case,
// and the Cyrillic letters that look like Latin ones (А, В, Е, К, М, Н, О,
// Р, С, Т, Х, У), are one: "AC 70" finds "АС 70/11".
std::string WireSearchKey(const std::string& text);

}  // namespace orv::project
