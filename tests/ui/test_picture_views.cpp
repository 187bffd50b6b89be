#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "diagrams/profile_diagram.h"
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

TEST(DiagramView, ShowsItsPlaceholderUntilItHasADiagram) {
  DiagramView view;
  view.setPlaceholder("no swing check");
  view.resize(700, 400);
  QImage placeholder = view.grab().toImage();
  TSwingDiagram d;
  d.Balance = {10, 0, 20, 25, 0.1};
  d.GoverningAngle = d.PermissibleAngle = 10;
  d.FoundWeight = WeightForSwingAngle(d.Balance, 10);
  d.WeightSpan = 200;
  d.MinWeightSpan = 300;
  view.setDiagram(d);
  EXPECT_TRUE(view.diagram().has_value());
  EXPECT_NE(view.grab().toImage(), placeholder) << "the diagram is drawn";
}

}  // namespace
