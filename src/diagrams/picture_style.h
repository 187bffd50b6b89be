#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>
#include <string>

#include "calc/verdict_class.h"

// Fonts, pens and colours shared by the pictures. Sizes are in pixels, so a
// picture looks the same on a screen, in a PNG and in an SVG file.
QFont TitleFont();
QFont LabelFont();
QFont PanelTitleFont();
QPen TextPen();
QPen GridPen();
QPen AxisPen();

// The colour that marks a verdict class (its name: VerdictClassKey).
QColor VerdictColor(TVerdictClass verdictClass);

// A dictionary text in the current language.
QString Text(const char* key);
QString Utf8(const std::string& text);
