#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>
#include <string>

#include "calc/verdict_class.h"

namespace orv::diagrams {

// Fonts, pens and colours shared by the pictures. Sizes are in pixels, so a
// picture looks the same on a screen, in a PNG and in an SVG file.
QFont TitleFont();
QFont LabelFont();
QFont PanelTitleFont();
QPen TextPen();
QPen GridPen();
QPen AxisPen();

// The colour that marks a verdict class (its name: VerdictClassKey).
QColor VerdictColor(calc::TVerdictClass verdictClass);

// A dictionary text in the current language.
QString Text(const char* key);
// UTF-8 text as the pictures draw it: every character an SVG file could not
// hold (a control character in a support number) shown as U+FFFD. Every text
// a picture draws passes through here.
QString Utf8(const std::string& text);

}  // namespace orv::diagrams
