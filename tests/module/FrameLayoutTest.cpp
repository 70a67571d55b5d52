// Scroll limits of the product window.
#include "FrameLayout.h"

#include <gtest/gtest.h>

using namespace zelva::module;

namespace {

TEST(FrameLayout, LimitsNeverGoBelowZeroAndPositionsStayWithinThem) {
  // Only the width needs scrolling: the height formula alone would give a
  // negative limit, and a line down would then push the page off its top.
  FrameInput in;
  in.width = 600;
  in.height = 568;
  in.pageWidth = 900;
  in.pageHeight = 100;
  in.verticalPosition = 60;
  in.horizontalPosition = 5000;
  FrameLayout layout = LayOutFrame(in);
  EXPECT_EQ(layout.verticalLimit, 0);
  EXPECT_EQ(layout.verticalPosition, 0);
  EXPECT_EQ(layout.horizontalPosition, layout.horizontalLimit);
  EXPECT_EQ(ScrollTo(0, ScrollAction::kLineForward, layout.verticalLimit), 0);
}

}  // namespace
