// The product window's geometry for a given size, and scroll steps.
#include "FrameLayout.h"

#include <gtest/gtest.h>

using namespace zelva::module;

namespace {

FrameInput Input(int width, int height, int pageWidth, int pageHeight, bool headerOn = true) {
  FrameInput in;
  in.width = width;
  in.height = height;
  in.pageWidth = pageWidth;
  in.pageHeight = pageHeight;
  in.headerOn = headerOn;
  return in;
}

void ExpectBox(const Box& box, int x, int y, int width, int height) {
  EXPECT_EQ(box.x, x);
  EXPECT_EQ(box.y, y);
  EXPECT_EQ(box.width, width);
  EXPECT_EQ(box.height, height);
}

TEST(FrameLayout, PageThatFitsFillsTheAreaUnderTheHeader) {
  FrameLayout layout = LayOutFrame(Input(819, 568, 750, 400));
  EXPECT_FALSE(layout.scrolling);
  EXPECT_EQ(layout.headerHeight, 120);
  ExpectBox(layout.header, 10, 7, 799, 107);  // 799 / 7.4 = 107.97, cut
  ExpectBox(layout.pageArea, 10, 130, 799, 418);
  ExpectBox(layout.page, 0, 0, 799, 418);
}

TEST(FrameLayout, HeaderOffGivesItsSpaceToThePage) {
  FrameLayout layout = LayOutFrame(Input(819, 568, 750, 400, false));
  EXPECT_EQ(layout.headerHeight, 0);
  ExpectBox(layout.pageArea, 10, 10, 799, 538);
  EXPECT_FALSE(LayOutFrame(Input(819, 568, 750, 568, false)).scrolling);
  EXPECT_TRUE(LayOutFrame(Input(819, 568, 750, 569, false)).scrolling);
  EXPECT_FALSE(LayOutFrame(Input(819, 568, 750, 448)).scrolling);
  EXPECT_TRUE(LayOutFrame(Input(819, 568, 750, 449)).scrolling);
  EXPECT_TRUE(LayOutFrame(Input(749, 568, 750, 10)).scrolling);
}

TEST(FrameLayout, TallPageGetsTheVerticalBarWithItsLimit) {
  FrameInput in = Input(819, 568, 750, 1000);
  in.verticalPosition = 40;
  FrameLayout layout = LayOutFrame(in);
  ASSERT_TRUE(layout.scrolling);
  EXPECT_EQ(layout.verticalLimit, 120 - 568 + 1000 + 20);
  EXPECT_EQ(layout.verticalPosition, 40);
  ExpectBox(layout.verticalBar, 789, 130, 20, 408);
  ExpectBox(layout.horizontalBar, 10, 538, 779, 20);
  ExpectBox(layout.pageArea, 10, 130, 750, 408);
  ExpectBox(layout.page, 0, -40, 750, 1000);
  EXPECT_FALSE(layout.horizontalShown);  // the page is not wider than its area
}

TEST(FrameLayout, WidePageMovesSidewaysToo) {
  FrameInput in = Input(600, 568, 900, 300);
  in.horizontalPosition = 35;
  FrameLayout layout = LayOutFrame(in);
  ASSERT_TRUE(layout.scrolling);
  EXPECT_TRUE(layout.horizontalShown);
  EXPECT_EQ(layout.horizontalLimit, 900 - 600 + 40);
  ExpectBox(layout.pageArea, 10, 130, 560, 408);
  ExpectBox(layout.page, -35, 0, 900, 300);
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
