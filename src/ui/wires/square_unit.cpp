#include "ui/wires/square_unit.h"

#include "qt_text/qt_string.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::qt_text;

namespace orv::ui {

QString SquareUnitText(const std::string& key) { return ToDisplayText(LocalText(key)) + QChar(0x00B2); }

}  // namespace orv::ui
