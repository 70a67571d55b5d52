// Which ratio a screen or a panel's main window has, and the safe answers for
// sizes that give no ratio at all.
#include "ScreenRatios.h"

#include <gtest/gtest.h>

using namespace zelva::panel;

namespace {

constexpr int k4x3 = 0, k5x4 = 1, k16x9 = 2, k16x10 = 3;

TEST(ScreenRatios, ScreensMatchExactlyWithinAHundredthAndOtherwiseTheNearest) {
  struct Case {
    unsigned width, height;
    int ratio;
    bool exact;
  };
  for (const Case& c : {Case{1920, 1080, k16x9, true}, Case{1366, 768, k16x9, true},  // 1.7786: 0.0086 off
                        Case{1280, 800, k16x10, true}, Case{1024, 768, k4x3, true}, Case{1280, 1024, k5x4, true},
                        Case{2560, 1080, k16x9, false},  // 21:9 is nearest to 16:9
                        Case{1000, 1000, k5x4, false}, Case{1360, 768, k16x9, true},
                        Case{1680, 1000, k16x10, false},  // 1.68: nearer to 1.6 than to 1.77
                        Case{1400, 1000, k4x3, false}, Case{1500, 1000, k16x10, false}}) {
    ScreenMatch match = MatchScreen(c.width, c.height);
    EXPECT_EQ(match.ratio, c.ratio) << c.width << "x" << c.height;
    EXPECT_EQ(match.exact, c.exact) << c.width << "x" << c.height;
  }
}

TEST(ScreenRatios, ZeroOrUnreadableSizesSuggestNothing) {
  EXPECT_EQ(MatchScreen(0, 1080).ratio, kUnknownRatio);
  EXPECT_EQ(MatchScreen(1920, 0).ratio, kUnknownRatio);
  unsigned size = 7;
  EXPECT_FALSE(ReadScreenSize("", size));
  EXPECT_FALSE(ReadScreenSize("  ", size));
  EXPECT_FALSE(ReadScreenSize("19x0", size));
  EXPECT_FALSE(ReadScreenSize("-1", size));
  EXPECT_FALSE(ReadScreenSize("1234567890", size));  // ten digits do not fit the box
  EXPECT_EQ(size, 7u);
  EXPECT_TRUE(ReadScreenSize(" 999999999 ", size));
  EXPECT_EQ(size, 999999999u);
}

TEST(ScreenRatios, PairsNeedACommaAndANumberOnEachSide) {
  double a = 0, b = 0;
  EXPECT_TRUE(ReadPair("1920,1080", a, b));
  EXPECT_EQ(a, 1920);
  EXPECT_EQ(b, 1080);
  EXPECT_TRUE(ReadPair(" 0.5, 0.45 // design size", a, b));
  EXPECT_DOUBLE_EQ(b, 0.45);
  for (const char* bad : {"", "1920", "1920 1080", ",1080", "1920,", "a,b", "inf,1", "1,nan"})
    EXPECT_FALSE(ReadPair(bad, a, b)) << bad;
  EXPECT_EQ(ExactRatio(1920, 0), kUnknownRatio);
  EXPECT_EQ(ExactRatio(1920, -1080), kUnknownRatio);
  EXPECT_EQ(ExactRatio(1600, 1200), k4x3);
}

}  // namespace
