// Scroll limits and steps of the product window.
#include "FrameLayout.h"

#include <gtest/gtest.h>

using namespace zelva::module;

namespace {

FrameInput Input(int width, int height, int pageWidth, int pageHeight) {
  FrameInput in;
  in.width = width;
  in.height = height;
  in.pageWidth = pageWidth;
  in.pageHeight = pageHeight;
  return in;
}

TEST(FrameLayout, LimitsNeverGoBelowZeroAndPositionsStayWithinThem) {
  // Only the width needs scrolling: the height formula alone would give a
  // negative limit, and a line down would then push the page off its top.
  FrameInput in = Input(600, 568, 900, 100);
  in.verticalPosition = 60;
  in.horizontalPosition = 5000;
  FrameLayout layout = LayOutFrame(in);
  EXPECT_EQ(layout.verticalLimit, 0);
  EXPECT_EQ(layout.verticalPosition, 0);
  EXPECT_EQ(layout.horizontalPosition, layout.horizontalLimit);
  EXPECT_EQ(ScrollTo(0, ScrollAction::kLineForward, layout.verticalLimit), 0);
}

TEST(FrameLayout, ScrollStepsStopAtBothEnds) {
  EXPECT_EQ(ScrollTo(0, ScrollAction::kLineForward, 100), 20);
  EXPECT_EQ(ScrollTo(90, ScrollAction::kLineForward, 100), 100);
  EXPECT_EQ(ScrollTo(0, ScrollAction::kPageForward, 432), 100);
  EXPECT_EQ(ScrollTo(400, ScrollAction::kPageForward, 432), 432);
  EXPECT_EQ(ScrollTo(10, ScrollAction::kLineBack, 432), 0);
  EXPECT_EQ(ScrollTo(150, ScrollAction::kPageBack, 432), 50);
  EXPECT_EQ(ScrollTo(50, ScrollAction::kPageBack, 432), 0);
  EXPECT_EQ(ScrollTo(50, ScrollAction::kThumb, 432, 321), 321);
  EXPECT_EQ(ScrollTo(50, ScrollAction::kThumb, 432, 999), 432);
  EXPECT_EQ(ScrollTo(50, ScrollAction::kNone, 432), 50);
}

TEST(FrameLayout, WheelTowardTheUserScrollsDown) {
  EXPECT_EQ(WheelAction(-120), ScrollAction::kLineForward);
  EXPECT_EQ(WheelAction(0), ScrollAction::kLineForward);
  EXPECT_EQ(WheelAction(1), ScrollAction::kLineBack);
  EXPECT_EQ(WheelAction(120), ScrollAction::kLineBack);
}

}  // namespace
