#pragma once

#include <cstdint>
#include <string>

namespace orv::project {

// The message of a failed read with the place where it failed appended, so
// the user can find the line: "'x' is not a valid integer value (line 18)",
// "... (file "Route.orv", line 18)", "File not found (file "Route.orv")".
// A line of 0 or less and an empty file name are left out; a field, when
// given, follows the line: "(file "w.txt", line 3, field 2 (diameter))".
std::string WithErrorLocation(const std::string& message, const std::string& fileName, int line,
                              const std::string& field = {});

// ReadWholeFile with the file named in its error: "File not found (file "x")".
std::string ReadWholeFileNamingIt(const std::string& path, std::uintmax_t limit);

}  // namespace orv::project
