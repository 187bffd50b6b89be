#pragma once

#include <cstddef>
#include <string>

namespace orv::ui {

// A name as the files will hold it: its first `limit` characters. A text
// that Windows-1251 cannot hold throws OrvError naming `what` and the
// character, so it is refused where it is entered instead of failing (or
// being mangled) when the file is written.
std::string CutFileText(const std::string& text, std::size_t limit, const std::string& what);

}  // namespace orv::ui
