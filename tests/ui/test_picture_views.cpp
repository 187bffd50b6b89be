#include <gtest/gtest.h>

#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

#include "diagrams/profile_diagram.h"
#include "diagrams/swing_diagram.h"
#include "widgets/diagram_view.h"
#include "widgets/profile_view.h"

using namespace orv::calc;
using namespace orv::diagrams;
using namespace orv::widgets;

namespace {

TProfile ThreeSupports() {
  TProfile profile;
  for (int i = 0; i < 3; ++i) {
    TProfileSupport s;
    s.Number = std::to_string(i + 1);
    s.Position = 200.0 * i;
    s.SpanLeft = s.SpanRight = 200;
    s.GroundLeft = s.GroundThis = s.GroundRight = 100;
    s.HeightLeft = s.HeightThis = s.HeightRight = 20;
    s.Class = TVerdictClass::Dampers;
    profile.Supports.push_back(s);
  }
  profile.Supports[1].Tearing = true;
  return profile;
}

TEST(ProfileView, ClickSelectsTheSupportAndCtrlWheelZooms) {
  ProfileView view;
  view.resize(800, 420);
  view.setProfile(ThreeSupports());
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QWidget* canvas = view.widget();
  QSignalSpy clicked(&view, &ProfileView::supportClicked);
  std::vector<double> xs = ProfileSupportXs(canvas->rect(), view.profile());
  QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(static_cast<int>(xs[2]), 100));
  QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(static_cast<int>((xs[0] + xs[1]) / 2), 100));
  ASSERT_EQ(clicked.count(), 1);
  EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);

  const int width = canvas->width();
  QWheelEvent wheel(QPointF(100, 100), view.mapToGlobal(QPoint(100, 100)), {}, QPoint(0, 240), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &wheel);
  EXPECT_GT(view.zoom(), 1.4);
  EXPECT_GT(canvas->width(), width);
  QTest::keyClick(&view, Qt::Key_0);
  EXPECT_EQ(view.zoom(), 1);
}

// The canvas as DrawProfile draws it at once.
QImage DrawnAtOnce(const QWidget& canvas, const TProfile& profile, int selected) {
  QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  DrawProfile(painter, QRectF(canvas.rect()), profile, selected);
  return image;
}

// The view keeps the ground it drew while only the supports change; after
// every kind of change it must show what a drawing at once shows.
TEST(ProfileView, ShowsWhatADrawingAtOnceShowsAfterEveryChange) {
  ProfileView view;
  view.resize(800, 420);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  TProfile profile = ThreeSupports();
  int selected = -1;
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"first view", [] {}},
      {"a result", [&] { profile.Supports[0].Class = TVerdictClass::Ballast; }},
      {"the selection", [&] { selected = 2; }},
      {"a span held", [&] { profile.Supports[1].SpanLeft = 150; }},
      {"the ground", [&] { profile.Supports[2].GroundThis = 130; }},
      {"the line's length", [&] { profile.Supports[0].SpanLeft = 400; }},
      {"a support added", [&] { profile.Supports.push_back(profile.Supports.back()); }},
      {"the view's size", [&] { view.resize(600, 400); }},
  };
  for (const auto& [change, make] : changes) {
    make();
    view.setProfile(profile);
    view.setSelected(selected);
    QWidget& canvas = *view.widget();
    EXPECT_EQ(canvas.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              DrawnAtOnce(canvas, profile, selected))
        << change;
  }
}

// A zoomed line repaints what scrolls into view alone, leaving out what
// lies outside: each part must show what the whole drawing shows there.
TEST(ProfileView, PartRepaintedAloneShowsWhatTheWholeDrawingShowsThere) {
  ProfileView view;
  view.resize(800, 420);
  TProfile profile = ThreeSupports();
  profile.Supports[2].Class = TVerdictClass::Ballast;
  view.setProfile(profile);
  view.setSelected(2);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  for (int i = 0; i < 4; ++i) view.zoomIn();
  QWidget& canvas = *view.widget();
  const QImage whole = DrawnAtOnce(canvas, profile, 2);
  // Parts beside each support, which its marks reach into, and one far off.
  std::vector<int> lefts = {0};
  for (double x : ProfileSupportXs(canvas.rect(), profile)) {
    lefts.push_back(static_cast<int>(x) + 4);
    lefts.push_back(static_cast<int>(x) - 64);
  }
  for (int left : lefts) {
    const QRect part(left, 0, 60, canvas.height());
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    canvas.render(&image, part.topLeft(), QRegion(part));
    EXPECT_EQ(image.copy(part), whole.copy(part)) << "from x " << left;
  }
}

// The largest difference of a colour channel between two images of one size.
int LargestDifference(const QImage& a, const QImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  }
  return largest;
}

// A change of a few supports repaints only where they are drawn: what the
// window then shows must be the whole drawing of the new profile, but for
// the rounding of a smoothed wire that the repainted part cuts off.
TEST(ProfileView, ChangeOfSomeSupportsShowsAsTheWholeDrawing) {
  ProfileView view;
  view.resize(800, 420);
  TProfile profile;
  for (int i = 0; i < 12; ++i) {
    TProfile three = ThreeSupports();
    TProfileSupport s = three.Supports[static_cast<std::size_t>(i % 3)];
    s.Number = std::to_string(i + 1);
    s.Position = 200.0 * i;
    profile.Supports.push_back(s);
  }
  view.setProfile(profile);
  view.setSelected(5);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QApplication::processEvents();
  QWidget& canvas = *view.widget();
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"a result", [&] { profile.Supports[4].Class = TVerdictClass::OverLimit; }},
      {"the selected one's height", [&] { profile.Supports[5].HeightThis = 35; }},
      {"a span held", [&] { profile.Supports[7].SpanLeft = 120; }},
      {"two results apart",
       [&] {
         profile.Supports[1].Class = TVerdictClass::Ballast;
         profile.Supports[10].Class = TVerdictClass::Ballast;
       }},
      {"a number", [&] { profile.Supports[3].Number = "3a"; }},
      {"the line's height", [&] { profile.Supports[8].HeightThis = 60; }},
  };
  for (const auto& [change, make] : changes) {
    make();
    view.setProfile(profile);
    QApplication::processEvents();
    // Below the zoom buttons, which lie over the picture.
    const QRect seen = QRect(canvas.mapTo(view.window(), QPoint(0, 40)), QSize(canvas.width(), 300));
    const QImage shown = view.screen()
                             ->grabWindow(view.winId(), seen.x(), seen.y(), seen.width(), seen.height())
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_LE(
        LargestDifference(shown, DrawnAtOnce(canvas, profile, 5).copy(0, 40, seen.width(), seen.height())), 1)
        << change;
  }
}

// A line too dense for every support is thinned to one per few pixels, the
// worst class of each kept: a result changed there still shows as the whole
// drawing does, and the changed support is the one drawn.
TEST(ProfileView, ThinnedLineShowsAChangedResultAsTheWholeDrawing) {
  ProfileView view;
  view.resize(800, 420);
  TProfile profile;
  for (int i = 0; i < 900; ++i) {
    TProfileSupport s = ThreeSupports().Supports[0];
    s.Number = std::to_string(i + 1);
    s.Position = 200.0 * i;
    profile.Supports.push_back(s);
  }
  view.setProfile(profile);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QApplication::processEvents();
  QWidget& canvas = *view.widget();
  const QImage before = DrawnAtOnce(canvas, profile, -1);
  profile.Supports[451].Class = TVerdictClass::DataError;
  view.setProfile(profile);
  QApplication::processEvents();
  const QRect seen = QRect(canvas.mapTo(view.window(), QPoint(0, 40)), QSize(canvas.width(), 300));
  const QImage shown = view.screen()
                           ->grabWindow(view.winId(), seen.x(), seen.y(), seen.width(), seen.height())
                           .toImage()
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage after = DrawnAtOnce(canvas, profile, -1);
  EXPECT_LE(LargestDifference(shown, after.copy(0, 40, seen.width(), seen.height())), 1);
  EXPECT_GT(LargestDifference(before, after), 1) << "the support in error is drawn";
}

TEST(DiagramView, ShowsItsPlaceholderUntilItHasADiagram) {
  DiagramView view;
  view.setPlaceholder("no swing check");
  view.resize(700, 400);
  QImage placeholder = view.grab().toImage();
  TSwingDiagram d;
  d.Governing = TSwingCase::ReducedWind;
  d.Cases[1] = {TSwingCase::ReducedWind, {10, 0, 20, 25, 0.1}, 10, false, 0, 10, 200, 300, std::nullopt, 10};
  d.Cases[1].Needed = d.FoundWeight = WeightForSwingAngle(d.Cases[1].Balance, 10);
  d.Cases[0] = {TSwingCase::MaxWind, {8, 0, 20, 25, 0.1}, 45, false, 0, 45, 200, 50, std::nullopt, 45};
  view.setDiagram(d);
  EXPECT_TRUE(view.diagram().has_value());
  EXPECT_NE(view.grab().toImage(), placeholder) << "the diagram is drawn";
}

}  // namespace

namespace {

// Pixels of a colour in the image, within a small tolerance.
int PixelsOf(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                   std::abs(c.blue() - colour.blue()) < 30;
    }
  return count;
}

// A turn from the support outweighs the wind: both strings stand below 0°.
// The angle axis extends below 0 so that both curves are drawn.
TEST(SwingDiagram, DrawsNegativeAngles) {
  TSwingDiagram d;
  d.Governing = TSwingCase::MaxWind;
  d.Cases[0] = {TSwingCase::MaxWind, {10, -60, 20, 25, 0.1}, 45, false, 0, 45, 200, -400, std::nullopt, 45};
  d.Cases[1] = {TSwingCase::ReducedWind, {2, -60, 20, 25, 0.1}, 10, false, 0, 10, 200, -500, std::nullopt, 10};
  ASSERT_LT(SwingAngleAtWeight(d.Cases[0].Balance, 0), -30);
  QImage image(SwingDiagramSize(), QImage::Format_RGB32);
  QPainter painter(&image);
  DrawSwingDiagram(painter, QRectF(QPointF(0, 0), QSizeF(SwingDiagramSize())), d);
  painter.end();
  // The two curves, in the colours of maximum and reduced wind, beyond what
  // their legend samples take.
  EXPECT_GT(PixelsOf(image, QColor(31, 119, 180)), 600);
  EXPECT_GT(PixelsOf(image, QColor(148, 52, 160)), 600);
}

}  // namespace
