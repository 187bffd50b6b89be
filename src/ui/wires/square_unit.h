#pragma once

#include <QString>
#include <string>

// A unit caption with a raised 2 ("daN/mm²"), as rich text for a label.
QString SquareUnitText(const std::string& key);
