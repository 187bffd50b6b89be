#pragma once

#include <QSize>
#include <string>

#include "diagrams/picture_file.h"

namespace orv::cli {

// Draws a picture into the file `path` (PNG or SVG by its extension) without
// a display: a QGuiApplication on the offscreen platform is made for the
// drawing when the process has none (unless QT_QPA_PLATFORM names another
// platform). The file is written whole or not at all.
void WritePictureFile(const std::string& path, QSize size, const diagrams::TPictureDrawing& draw,
                      const std::string& title);

// Refuses, as wrong usage, an output that is neither .png nor .svg.
void RequirePictureOutput(const std::string& path);

}  // namespace orv::cli
