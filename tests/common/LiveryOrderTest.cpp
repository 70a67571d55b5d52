// The order of livery entries and the texts the livery list shows.
#include "LiveryOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LiveryText.h"

using namespace zelva::livery;

namespace {

std::vector<std::string> Ordered(const std::vector<std::string>& names) {
  std::vector<std::string> result;
  for (int index : OrderLiveries(names)) result.push_back(names[size_t(index)]);
  return result;
}

TEST(LiveryOrder, HouseLiveriesLeadAndTheRestAscendWithoutRegardToCase) {
  EXPECT_EQ(Ordered({"delta", "Alpha_2", "alpha 1", "ZELVA House Retro", "Charlie"}),
            (std::vector<std::string>{"ZELVA House Retro", "alpha 1", "Alpha_2", "Charlie", "delta"}));
  // Only A-Z fold: "_" (0x5F) stays below the letters.
  EXPECT_EQ(Ordered({"ab", "a_"}), (std::vector<std::string>{"a_", "ab"}));
  // "ZELVA House" is a case-sensitive mark.
  EXPECT_EQ(Ordered({"b", "zelva house"}), (std::vector<std::string>{"b", "zelva house"}));
}

TEST(LiveryOrder, EqualNamesKeepTheirOrderAndHouseLiveriesTradePlacesEachPass) {
  EXPECT_EQ(OrderLiveries({"Polar", "polar", "POLAR"}), (std::vector<int>{0, 1, 2}));
  // Two passes, two exchanges: back where they started.
  EXPECT_EQ(OrderLiveries({"ZELVA House A", "ZELVA House B"}), (std::vector<int>{0, 1}));
  EXPECT_EQ(OrderLiveries({"ZELVA House A", "x", "ZELVA House B"}), (std::vector<int>{0, 2, 1}));
}

TEST(LiveryText, FilterAndDescriptionBreaks) {
  EXPECT_TRUE(ContainsWithoutCase("ZELVA House Colours", "house c"));
  EXPECT_FALSE(ContainsWithoutCase("Nordic", "nordics"));
  EXPECT_EQ(ExpandDescriptionBreaks("First\\nSecond\\\\n\\", 100), "First\r\nSecond\\\r\n\\");
  // The limit never splits a break.
  EXPECT_EQ(ExpandDescriptionBreaks("ab\\ncd", 3), "ab");
  EXPECT_EQ(ExpandDescriptionBreaks("ab\\ncd", 4), "ab\r\n");
}

}  // namespace
