#include "LineStamps.h"

#include <gtest/gtest.h>

#include <string>

using namespace zelva::text;

TEST(LineStamps, FormatsTimeWithThreeBlanks) {
  EXPECT_EQ(FormatLineStamp(9, 5, 3, 7), "09:05:03.007   ");
}

TEST(LineStamps, StampFollowsEveryLineFeedIncludingTheLast) {
  int calls = 0;
  auto stamp = [&] { return "[" + std::to_string(++calls) + "]"; };
  EXPECT_EQ(InsertLineStamps("\n\tone\ntwo\n", stamp), "\n[1]\tone\n[2]two\n[3]");
  EXPECT_EQ(InsertLineStamps("no feed", stamp), "no feed");
  EXPECT_EQ(calls, 3);
}
