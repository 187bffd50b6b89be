#include "ui/wires/square_unit.h"

#include "platform/qt_string.h"
#include "settings/localization.h"

QString SquareUnitText(const std::string& key) {
  return ToDisplayText(LocalText(key)).toHtmlEscaped() + "<sup>2</sup>";
}
