// Handle table and request header helpers.
#include <gtest/gtest.h>

#include "HandleTable.h"
#include "RangeHeaders.h"

using namespace zelva::archive;

namespace {

TEST(HandleTable, RemovalMovesTheLastEntryAndKeepsPositions) {
  HandleTable table;
  for (intptr_t h = 1; h <= 6; ++h) table.Add(h, uint32_t(h * 100));
  table.Remove(2);
  table.Remove(42);
  EXPECT_EQ(table.size(), 5u);
  uint32_t position = 0;
  EXPECT_FALSE(table.Position(2, position));
  EXPECT_FALSE(table.SetPosition(2, 7));
  for (intptr_t h : {1, 3, 4, 5, 6}) {
    ASSERT_TRUE(table.Position(h, position));
    EXPECT_EQ(position, uint32_t(h * 100));
  }
  const intptr_t pseudo = intptr_t(0xFF000000u);
  table.Add(pseudo, 0);
  table.Add(pseudo + 1, 0);
  EXPECT_EQ(table.FirstFreeFrom(pseudo), pseudo + 2);
}

TEST(RangeHeaders, ExtraHeadersSplitAndRangeRecognisedInAnyCase) {
  auto entries = SplitExtraHeaders(u"Referer: x||rAnGe: bytes=0-9|X-Range: a");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], u"Referer: x");
  EXPECT_TRUE(IsRangeHeader(entries[1]));
  EXPECT_FALSE(IsRangeHeader(entries[2]));
}

}  // namespace
