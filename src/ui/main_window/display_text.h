#pragma once

#include <QString>
#include <string>

// A dictionary text as a Qt caption: the dictionary breaks lines with CR LF,
// a caption with a lone LF.
QString DisplayText(const std::string& text);
