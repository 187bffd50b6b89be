#include "ui/main_window/display_text.h"

#include "platform/qt_string.h"

QString DisplayText(const std::string& text) {
  QString caption = ToQString(text);
  caption.replace("\r\n", "\n");
  caption.replace('\r', '\n');
  return caption;
}
