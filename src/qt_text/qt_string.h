#pragma once

#include <QString>
#include <string>

namespace orv::qt_text {

// The core holds UTF-8 std::string; Qt holds QString. These two are the only
// crossing between them.
inline QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Dictionary texts break lines with CR LF; Qt's captions break at LF alone
// and would show the CR.
inline QString ToDisplayText(const std::string& text) {
  QString display = ToQString(text);
  display.replace("\r\n", "\n");
  return display;
}

}  // namespace orv::qt_text
