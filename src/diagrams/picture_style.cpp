#include "diagrams/picture_style.h"

#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::calc;

namespace orv::diagrams {

namespace {

QFont FontOfSize(int pixels, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont TitleFont() { return FontOfSize(16, true); }
QFont LabelFont() { return FontOfSize(12, false); }
QFont PanelTitleFont() { return FontOfSize(13, true); }
QPen TextPen() { return QPen(QColor(30, 30, 30)); }
QPen GridPen() { return QPen(QColor(225, 225, 225), 1); }
QPen AxisPen() { return QPen(QColor(90, 90, 90), 1); }

QColor VerdictColor(TVerdictClass c) {
  switch (c) {
    case TVerdictClass::NothingNeeded:
      return QColor(46, 160, 67);
    case TVerdictClass::Dampers:
      return QColor(31, 119, 180);
    case TVerdictClass::Ballast:
      return QColor(230, 126, 0);
    case TVerdictClass::OverLimit:
      return QColor(128, 60, 170);
    case TVerdictClass::Tearing:
      return QColor(210, 30, 30);
    case TVerdictClass::DataError:
      break;
  }
  return QColor(120, 120, 120);
}

QString Text(const char* key) { return Utf8(LocalText(key)); }
namespace {

// Tab, line feed and carriage return are the only control characters an XML
// file may hold; U+FFFE and U+FFFF are none at all.
bool XmlAllows(char16_t c) {
  if (c < 0x20) return c == u'\t' || c == u'\n' || c == u'\r';
  return c != 0xFFFE && c != 0xFFFF;
}

}  // namespace

QString Utf8(const std::string& text) {
  QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  for (QChar& c : result) {
    if (!XmlAllows(c.unicode())) c = QChar::ReplacementCharacter;
  }
  return result;
}

}  // namespace orv::diagrams
