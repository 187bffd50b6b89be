#pragma once

#include <QSize>
#include <filesystem>
#include <functional>
#include <string>

class QPainter;
class QRectF;

namespace orv::diagrams {

using TPictureDrawing = std::function<void(QPainter&, const QRectF&)>;

// The file formats a picture is written in, by the name's extension.
enum class TPictureFormat { Png, Svg };

// Png for ".png", Svg for ".svg" (any letter case); throws OrvError for
// another extension.
TPictureFormat PictureFormatOf(const std::filesystem::path& path);

// The bytes of a file holding the drawing at `size` pixels. Needs a
// QGuiApplication (the fonts come from it), which may run on the offscreen
// platform.
std::string RenderPicture(TPictureFormat format, QSize size, const TPictureDrawing& draw,
                          const std::string& title = {});

}  // namespace orv::diagrams
