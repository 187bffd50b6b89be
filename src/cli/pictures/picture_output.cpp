#include "cli/pictures/picture_output.h"

#include <QGuiApplication>
#include <memory>

#include "base/atomic_file.h"
#include "base/errors.h"
#include "cli/cli_options.h"
#include "settings/localization.h"

using namespace orv::base;
using namespace orv::settings;
using namespace orv::diagrams;

namespace orv::cli {

namespace {

// Qt's offscreen platform on Windows knows no fonts of the system (it reads
// only a fonts folder of its own), so every text would be an empty box; the
// windows platform draws with the system's fonts and opens no window either.
#ifdef _WIN32
constexpr const char* kHeadlessPlatform = "windows";
#else
constexpr const char* kHeadlessPlatform = "offscreen";
#endif

// The application object the painter's fonts need, for as long as a picture
// is drawn; an existing one is used as it is.
class HeadlessGui {
 public:
  HeadlessGui() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) return;
    if (QCoreApplication::instance() != nullptr)
      throw OrvError("Pictures cannot be drawn in this process: it has no graphical application.");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", kHeadlessPlatform);
      setPlatform_ = true;
    }
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  ~HeadlessGui() {
    application_.reset();
    if (setPlatform_) qunsetenv("QT_QPA_PLATFORM");
  }
  HeadlessGui(const HeadlessGui&) = delete;
  HeadlessGui& operator=(const HeadlessGui&) = delete;

 private:
  int argc_ = 1;
  char name_[7] = "orvane";
  char* argv_[2] = {name_, nullptr};
  bool setPlatform_ = false;
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace

void WritePictureFile(const std::string& path, QSize size, const TPictureDrawing& draw,
                      const std::string& title) {
  TPictureFormat format = PictureFormatOf(path);
#ifndef ORVANE_SVG
  if (format == TPictureFormat::Svg) throw OrvError(path + ": " + LocalText("Picture_no_svg"));
#endif
  std::string bytes;
  {
    HeadlessGui gui;
    bytes = RenderPicture(format, size, draw, title);
  }
  if (bytes.empty()) throw OrvError("The picture came out empty: " + path);
  WriteFileAtomically(path, bytes);
}

void RequirePictureOutput(const std::string& path) {
  try {
    PictureFormatOf(path);
  } catch (const OrvError& error) {
    throw UsageError(error.what());
  }
}

}  // namespace orv::cli
