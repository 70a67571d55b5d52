// Handle table and request header helpers.
#include <gtest/gtest.h>

#include "HandleTable.h"
#include "RangeHeaders.h"

using namespace Cabinet;

namespace {

TEST(HandleTable, RemovalMovesTheLastEntryAndKeepsPositions) {
  HandleTable table;
  for (intptr_t h = 1; h <= 6; ++h) table.Add(h, uint32_t(h * 100));
  table.Remove(2);
  table.Remove(42);
  EXPECT_EQ(table.size(), 5u);
  uint32_t position = 0;
  EXPECT_FALSE(table.Position(2, position));
  for (intptr_t h : {1, 3, 4, 5, 6}) {
    ASSERT_TRUE(table.Position(h, position));
    EXPECT_EQ(position, uint32_t(h * 100));
  }
  EXPECT_TRUE(table.SetPosition(6, 7));
  EXPECT_FALSE(table.SetPosition(2, 7));
  table.Position(6, position);
  EXPECT_EQ(position, 7u);

  const intptr_t pseudo = intptr_t(0xFF000000u);
  table.Add(pseudo, 0);
  table.Add(pseudo + 1, 0);
  EXPECT_EQ(table.FirstFreeFrom(pseudo), pseudo + 2);
  table.Clear();
  EXPECT_EQ(table.FirstFreeFrom(pseudo), pseudo);
}

TEST(RangeHeaders, ExtraHeadersSplitAndRangeRecognised) {
  auto entries = SplitExtraHeaders(u"Referer: x||Range: bytes=0-9|X-Token: a");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], u"Referer: x");
  EXPECT_EQ(entries[2], u"X-Token: a");
  EXPECT_TRUE(SplitExtraHeaders(u"").empty());
  EXPECT_TRUE(IsRangeHeader(entries[1]));
  EXPECT_TRUE(IsRangeHeader(u"rAnGe: bytes=1-2"));
  EXPECT_FALSE(IsRangeHeader(u"Range bytes=1-2"));
  EXPECT_FALSE(IsRangeHeader(u"X-Range: 1"));
  EXPECT_EQ(RangeHeader(40000, 79999), u"Range: bytes=40000-79999");
  EXPECT_EQ(RangeHeader(0, 4294967295u), u"Range: bytes=0-4294967295");
}

}  // namespace
