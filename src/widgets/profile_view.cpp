#include "widgets/profile_view.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "diagrams/profile_diagram.h"
#include "qt_text/qt_string.h"
#include "settings/localization.h"

using namespace orv::settings;
using namespace orv::diagrams;
using namespace orv::qt_text;

namespace orv::widgets {

namespace {

// Beyond this many pixels the canvas is drawn afresh each time rather than
// kept: a deep zoom into a long line would hold hundreds of megabytes.
constexpr qint64 kMostKeptPixels = 4'000'000;

}  // namespace

// The drawing surface inside the scroll area: as wide as the zoom makes it.
// Filling a long line's ground is most of the drawing, and what changes most
// (results, the selection) lies over it: the ground layer is kept while what
// it depends on stays the same.
class ProfileCanvas : public QWidget {
 public:
  explicit ProfileCanvas(ProfileView* view) : QWidget(view), view_(view) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  TProfile profile;
  int selected = -1;

 protected:
  void paintEvent(QPaintEvent* event) override {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (static_cast<qint64>(pixels.width()) * pixels.height() > kMostKeptPixels) {
      ground_ = QImage();
      QPainter painter(this);
      DrawProfileGround(painter, rect(), profile);
      DrawProfileSupports(painter, rect(), profile, selected, event->rect());
      return;
    }
    TProfileGroundKey key = ProfileGroundKey(rect(), profile);
    if (ground_.size() != pixels || ground_.devicePixelRatio() != ratio || !(key == groundKey_)) {
      ground_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
      ground_.setDevicePixelRatio(ratio);
      QPainter layer(&ground_);
      DrawProfileGround(layer, rect(), profile);
      groundKey_ = std::move(key);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, ground_);
    DrawProfileSupports(painter, rect(), profile, selected, event->rect());
  }
 public:
  // The picture's frame (title, elevation axis, legend) as it is drawn at
  // the left end of the canvas.
  void PaintFrame(QPainter& painter) {
    if (!ground_.isNull() && ground_.size() == size() * devicePixelRatioF() &&
        groundKey_ == ProfileGroundKey(rect(), profile))
      painter.drawImage(0, 0, ground_);
    else
      DrawProfileGround(painter, rect(), profile);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    int index = view_->supportAt(event->position().x());
    if (index >= 0) emit view_->supportClicked(index);
  }

 private:
  ProfileView* view_;
  QImage ground_;
  TProfileGroundKey groundKey_;
};

// Over the scrolled canvas: its frame as at the line's start, so that the
// elevation axis, the title and the legend stay in place while the plot
// scrolls under them.
class ProfileFrame : public QWidget {
 public:
  ProfileFrame(ProfileView* view, ProfileCanvas* canvas) : QWidget(view->viewport()), view_(view), canvas_(canvas) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (view_->horizontalScrollBar()->value() == 0) return;
    const QRect scrolling = ProfileScrollingRect(canvas_->rect(), canvas_->profile).toAlignedRect();
    QPainter painter(this);
    painter.setClipRegion(QRegion(rect()) - QRegion(scrolling.left(), scrolling.top(), width(), scrolling.height()));
    canvas_->PaintFrame(painter);
  }

 private:
  ProfileView* view_;
  ProfileCanvas* canvas_;
};

namespace {

constexpr double kMinZoom = 1;
constexpr double kMaxZoom = 12;
constexpr double kSpanRoom = 90;  // pixels a span gets at the deepest zoom
constexpr double kZoomStep = 1.25;
constexpr double kClickReach = 14;  // pixels either side of a support

}  // namespace

ProfileView::ProfileView(QWidget* parent) : QScrollArea(parent), canvas_(new ProfileCanvas(this)) {
  setWidget(canvas_);
  frame_ = new ProfileFrame(this, canvas_);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, frame_, qOverload<>(&QWidget::update));
  const std::pair<QToolButton**, const char*> buttons[] = {
      {&ZoomInButton, "+"}, {&ZoomOutButton, "−"}, {&FitButton, "↔"}};
  for (const auto& [button, text] : buttons) {
    *button = new QToolButton(this);
    (*button)->setText(text);
    (*button)->setAutoRaise(false);
    (*button)->setFocusPolicy(Qt::NoFocus);
  }
  ZoomInButton->setObjectName("ProfileZoomIn");
  ZoomOutButton->setObjectName("ProfileZoomOut");
  FitButton->setObjectName("ProfileFit");
  connect(ZoomInButton, &QToolButton::clicked, this, &ProfileView::zoomIn);
  connect(ZoomOutButton, &QToolButton::clicked, this, &ProfileView::zoomOut);
  connect(FitButton, &QToolButton::clicked, this, &ProfileView::resetZoom);
  setWidgetResizable(false);
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setMinimumHeight(360);
  fitCanvas();
}

// A change of a few supports repaints only the columns they are drawn in.
void ProfileView::setProfile(const TProfile& profile) {
  if (profile.Supports == canvas_->profile.Supports) return;
  const auto changed = ProfileChangedColumns(canvas_->rect(), canvas_->profile, profile);
  canvas_->profile = profile;
  fitCanvas();
  frame_->update();
  if (!changed) return canvas_->update();
  const int left = static_cast<int>(std::floor(changed->first));
  const int right = static_cast<int>(std::ceil(changed->second));
  canvas_->update(QRect(left, 0, right - left + 1, canvas_->height()));
}

const TProfile& ProfileView::profile() const { return canvas_->profile; }

void ProfileView::setSelected(int index) {
  if (index != canvas_->selected) {
    canvas_->selected = index;
    canvas_->update();
  }
  showSupport(index);
}

// A support chosen elsewhere is scrolled into view, unless it shows already.
void ProfileView::showSupport(int index) {
  const std::vector<double> xs = ProfileSupportXs(canvas_->rect(), canvas_->profile);
  if (index < 0 || index >= static_cast<int>(xs.size())) return;
  const int x = static_cast<int>(std::lround(xs[static_cast<std::size_t>(index)]));
  ensureVisible(x, canvas_->height() / 2, viewport()->width() / 4, 0);
}

double ProfileView::maxZoom() const {
  const double supports = static_cast<double>(canvas_->profile.Supports.size());
  return std::max(kMaxZoom, supports * kSpanRoom / std::max(viewport()->width(), 200));
}

void ProfileView::Localise() {
  ZoomInButton->setToolTip(ToQString(LocalText("Profile_zoom_in")));
  ZoomOutButton->setToolTip(ToQString(LocalText("Profile_zoom_out")));
  FitButton->setToolTip(ToQString(LocalText("Profile_fit")));
  // The picture's own texts are in the language too.
  canvas_->update();
  frame_->update();
}

void ProfileView::placeButtons() {
  int x = viewport()->width() - 4;
  for (QToolButton* button : {FitButton, ZoomOutButton, ZoomInButton}) {
    const QSize size = button->sizeHint().expandedTo(QSize(26, 26));
    x -= size.width();
    button->setGeometry(x, 4, size.width(), size.height());
    button->raise();
    x -= 2;
  }
}

int ProfileView::selected() const { return canvas_->selected; }

int ProfileView::supportAt(double x) const {
  std::vector<double> xs = ProfileSupportXs(canvas_->rect(), canvas_->profile);
  int best = -1;
  for (size_t i = 0; i < xs.size(); ++i) {
    if (std::fabs(xs[i] - x) <= kClickReach && (best < 0 || std::fabs(xs[i] - x) < std::fabs(xs[best] - x)))
      best = static_cast<int>(i);
  }
  return best;
}

void ProfileView::zoomIn() { setZoom(zoom_ * kZoomStep, viewport()->width() / 2.0); }
void ProfileView::zoomOut() { setZoom(zoom_ / kZoomStep, viewport()->width() / 2.0); }
void ProfileView::resetZoom() { setZoom(1, 0); }

// Zooms keeping the point of the line under `anchorX` (viewport pixels) where it is.
void ProfileView::setZoom(double zoom, double anchorX) {
  zoom = std::clamp(zoom, kMinZoom, maxZoom());
  double oldWidth = canvas_->width();
  double canvasX = horizontalScrollBar()->value() + anchorX;
  zoom_ = zoom;
  fitCanvas();
  double scale = canvas_->width() / std::max(oldWidth, 1.0);
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(canvasX * scale - anchorX)));
}

// At zoom 1 the whole line fits the view; zooming widens it.
void ProfileView::fitCanvas() {
  int width = static_cast<int>(std::lround(std::max(viewport()->width(), 200) * zoom_));
  canvas_->resize(width, std::max(viewport()->height(), 300));
}

void ProfileView::wheelEvent(QWheelEvent* event) {
  double steps = event->angleDelta().y() / 120.0;
  if (event->modifiers() & Qt::ControlModifier) {
    setZoom(zoom_ * std::pow(kZoomStep, steps), event->position().x());
  } else {
    QScrollBar* bar = horizontalScrollBar();
    bar->setValue(bar->value() - static_cast<int>(steps * bar->singleStep() * 3));
  }
  event->accept();
}

void ProfileView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoomIn();
      return;
    case Qt::Key_Minus:
      zoomOut();
      return;
    case Qt::Key_0:
      resetZoom();
      return;
    default:
      QScrollArea::keyPressEvent(event);
  }
}

void ProfileView::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  frame_->setGeometry(viewport()->rect());
  fitCanvas();
  placeButtons();
}

}  // namespace orv::widgets
