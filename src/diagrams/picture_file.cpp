#include "diagrams/picture_file.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#ifdef ORVANE_SVG
#include <QSvgGenerator>
#endif
#include <algorithm>
#include <cctype>
#include <new>

#include "base/errors.h"
#include "base/file_open.h"
#include "diagrams/picture_style.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;

namespace orv::diagrams {

namespace {

[[noreturn]] void NoMemory(QSize size) {
  throw OrvError(Text("Picture_no_memory")
                     .arg(QString::number(size.width()), QString::number(size.height()))
                     .toStdString());
}

// Draws on `device` and ends the painter before it goes: its destructor
// must not be the one to meet an exhausted memory. A painter that could not
// begin (no memory for the device) draws nothing.
void Paint(QPaintDevice* device, QSize size, const TPictureDrawing& draw, QPainter::RenderHints hints = {}) {
  QPainter painter;
  if (!painter.begin(device)) NoMemory(size);
  painter.setRenderHints(hints);
  try {
    draw(painter, QRectF(QPointF(0, 0), size));
  } catch (...) {
    try {
      painter.end();
    } catch (...) {
    }
    throw;
  }
  if (!painter.end()) NoMemory(size);
}

std::string Bytes(const QByteArray& data) {
  return std::string(data.constData(), static_cast<size_t>(data.size()));
}

std::string RenderPng(QSize size, const TPictureDrawing& draw) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) NoMemory(size);
  image.fill(Qt::white);
  Paint(&image, size, draw, QPainter::TextAntialiasing);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw OrvError("The picture could not be encoded as PNG.");
  return Bytes(data);
}

#ifdef ORVANE_SVG
// The text of an XML element: the five special characters as entities, the
// rest as Utf8 leaves it (no character XML refuses).
QString XmlText(const std::string& text) { return Utf8(text).toHtmlEscaped(); }

std::string RenderSvg(QSize size, const TPictureDrawing& draw, const std::string& title) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  // Pixel-sized fonts and pens: one pixel is one unit of the view box.
  generator.setResolution(96);
  // The generator writes the title as it is given.
  generator.setTitle(XmlText(title));
  Paint(&generator, size, draw);
  return Bytes(data);
}
#else
std::string RenderSvg(QSize, const TPictureDrawing&, const std::string&) {
  throw OrvError(LocalText("Picture_no_svg"));
}
#endif

}  // namespace

TPictureFormat PictureFormatOf(const std::filesystem::path& path) {
  std::string extension = PathToUtf8(path.extension());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".png") return TPictureFormat::Png;
  if (extension == ".svg") return TPictureFormat::Svg;
  throw OrvError("The picture file must end in .png or .svg: " + PathToUtf8(path));
}

std::string RenderPicture(TPictureFormat format, QSize size, const TPictureDrawing& draw,
                          const std::string& title) {
  try {
    return format == TPictureFormat::Png ? RenderPng(size, draw) : RenderSvg(size, draw, title);
  } catch (const std::bad_alloc&) {
    NoMemory(size);
  }
}

}  // namespace orv::diagrams
