#pragma once

#include <string>

namespace orv::project {

// The bytes of a project file in Windows-1251, as the reader takes them. A
// file another editor saved as UTF-8 is converted: with a byte order mark
// always, without one when the whole file is valid UTF-8 and holds a
// character beyond ASCII (Cyrillic in Windows-1251 is almost never valid
// UTF-8). Any other file is taken as it is. A character Windows-1251 cannot
// hold throws, naming it and the file.
std::string ProjectBytesAsCp1251(std::string bytes, const std::string& path);

}  // namespace orv::project
