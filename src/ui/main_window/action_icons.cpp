#include "ui/main_window/action_icons.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace orv::ui {

namespace {

constexpr int kSize = 32;
const QColor kInk(0x2b, 0x3f, 0x63);

QIcon Standard(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

template <typename Draw>
QIcon Drawn(Draw draw) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

QIcon Glyph(const QString& text, const QColor& colour, int pointSize) {
  return Drawn([&](QPainter& painter) {
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(pointSize);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
  });
}

// A support with its cross-arm: the catalogue of what hangs on it.
QIcon Support() {
  return Drawn([](QPainter& painter) {
    painter.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{10, 30}, {14.5, 4}, {17.5, 4}, {22, 30}}));
    painter.drawLine(QPointF(3, 9), QPointF(29, 9));
    painter.drawLine(QPointF(12, 21), QPointF(20, 21));
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x2b), 2));
    painter.drawLine(QPointF(5, 9), QPointF(5, 17));
    painter.drawLine(QPointF(27, 9), QPointF(27, 17));
  });
}

// A sheet with a sum sign: calculate and write the report.
QIcon Calculate() {
  return Drawn([](QPainter& painter) {
    painter.setPen(QPen(QColor(0x1d, 0x6f, 0x42), 2));
    painter.setBrush(QColor(0xe8, 0xf5, 0xe9));
    painter.drawRoundedRect(QRectF(4, 3, 24, 26), 3, 3);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.drawText(QRect(4, 3, 24, 26), Qt::AlignCenter, QString(QChar(0x03A3)));
  });
}

QIcon Edit() {
  return Drawn([](QPainter& painter) {
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(QColor(0xf4, 0xc4, 0x30));
    QPainterPath pencil;
    pencil.addPolygon(QPolygonF({{6, 26}, {8, 19}, {22, 5}, {27, 10}, {13, 24}, {6, 26}}));
    painter.drawPath(pencil);
  });
}

// An open door with an arrow leaving through it.
QIcon Exit() {
  return Drawn([](QPainter& painter) {
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(QColor(0xe6, 0xd3, 0xb3));
    painter.drawRect(QRectF(5, 4, 14, 24));
    painter.setBrush(QColor(0x8a, 0x5a, 0x2b));
    painter.drawPolygon(QPolygonF({{5, 4}, {13, 8}, {13, 31}, {5, 28}}));
    painter.setPen(QPen(QColor(0xb0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(17, 16), QPointF(29, 16));
    painter.drawPolyline(QPolygonF({{24, 11}, {29, 16}, {24, 21}}));
  });
}

// Two overlapping sheets: a copy of the support.
QIcon Sheets(bool clipboard) {
  return Drawn([clipboard](QPainter& painter) {
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(clipboard ? QColor(0xe6, 0xd3, 0xb3) : QColor(Qt::white));
    painter.drawRoundedRect(QRectF(5, 4, 17, 22), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(12, 10, 15, 19), 2, 2);
    if (clipboard) painter.drawRect(QRectF(9, 2, 9, 4));
  });
}

}  // namespace

QIcon ActionIcon(TActionIcon icon) {
  switch (icon) {
    case TActionIcon::New:
      return Standard(QStyle::SP_FileIcon);
    case TActionIcon::Open:
      return Standard(QStyle::SP_DialogOpenButton);
    case TActionIcon::Save:
      return Standard(QStyle::SP_DialogSaveButton);
    case TActionIcon::SaveAs:
      return Standard(QStyle::SP_DriveFDIcon);
    case TActionIcon::Import:
      return Standard(QStyle::SP_ArrowDown);
    case TActionIcon::Catalogue:
      return Support();
    case TActionIcon::Exit:
      return Exit();
    case TActionIcon::Add:
      return Glyph("+", QColor(0x1d, 0x6f, 0x42), 28);
    case TActionIcon::Insert:
      return Glyph(QString(QChar(0x21B3)), kInk, 24);
    case TActionIcon::Edit:
      return Edit();
    case TActionIcon::Delete:
      return Glyph(QString(QChar(0x00D7)), QColor(0xb0, 0x20, 0x20), 28);
    case TActionIcon::Calculate:
      return Calculate();
    case TActionIcon::Language:
      return Glyph("A/Я", kInk, 12);
    case TActionIcon::Units:
      return Glyph("daN", kInk, 11);
    case TActionIcon::About:
      return Standard(QStyle::SP_MessageBoxInformation);
    case TActionIcon::Help:
      return Standard(QStyle::SP_DialogHelpButton);
    case TActionIcon::Undo:
      return Glyph(QString(QChar(0x21B6)), kInk, 26);
    case TActionIcon::Redo:
      return Glyph(QString(QChar(0x21B7)), kInk, 26);
    case TActionIcon::Copy:
      return Sheets(false);
    case TActionIcon::PasteClipboard:
      return Sheets(true);
    case TActionIcon::None:
      break;
  }
  return {};
}

}  // namespace orv::ui
