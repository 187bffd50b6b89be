#include "diagrams/picture_file.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#ifdef ORVANE_SVG
#include <QSvgGenerator>
#endif
#include <algorithm>
#include <cctype>

#include "base/errors.h"
#include "base/file_open.h"
#include "settings/localization.h"

namespace {

std::string Bytes(const QByteArray& data) {
  return std::string(data.constData(), static_cast<size_t>(data.size()));
}

std::string RenderPng(QSize size, const TPictureDrawing& draw) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    draw(painter, QRectF(QPointF(0, 0), size));
  }
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw OrvError("The picture could not be encoded as PNG.");
  return Bytes(data);
}

#ifdef ORVANE_SVG
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
  generator.setTitle(QString::fromUtf8(title.c_str()));
  {
    QPainter painter(&generator);
    draw(painter, QRectF(QPointF(0, 0), size));
  }
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
  return format == TPictureFormat::Png ? RenderPng(size, draw) : RenderSvg(size, draw, title);
}
