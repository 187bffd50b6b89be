#include <gtest/gtest.h>

#include "ui/app/window_placement.h"

using namespace orv::ui;

namespace {

struct Fit {
  const char* name;
  QSize wanted;
  QRect available;
  QMargins frame;
  QRect expected;
};

TEST(FirstWindowPlacement, TheFramedWindowStaysInsideTheAvailableArea) {
  const QMargins frame(4, 23, 4, 4);
  const Fit cases[] = {
      // An 800-pixel screen with a 40-pixel task bar: the window loses height, not its status bar.
      {"short screen", {1200, 820}, {0, 0, 1280, 760}, frame, {40, 23, 1200, 733}},
      {"large screen", {1200, 820}, {0, 0, 1920, 1040}, frame, {360, 119, 1200, 820}},
      {"narrow and short", {1200, 820}, {0, 0, 1024, 728}, frame, {4, 23, 1016, 701}},
      {"second screen left of the first", {1200, 820}, {-1280, 0, 1280, 984}, frame,
       {-1240, 91, 1200, 820}},
      {"task bar on top", {1200, 820}, {0, 40, 1280, 760}, frame, {40, 63, 1200, 733}},
  };
  for (const Fit& c : cases) {
    SCOPED_TRACE(c.name);
    const QRect placed = FitWindowRect(c.wanted, c.available, c.frame);
    EXPECT_EQ(placed, c.expected);
    EXPECT_TRUE(c.available.contains(placed.marginsAdded(c.frame)));
  }
}

}  // namespace
