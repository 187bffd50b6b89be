#pragma once

#include <QString>
#include <string>

namespace orv::ui {

// A unit caption with a raised 2 ("daN/mm²"). The superscript character
// keeps the line height of the caption, where rich-text superscript is
// clipped at the top of a one-line label.
QString SquareUnitText(const std::string& key);

}  // namespace orv::ui
