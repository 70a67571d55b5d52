// Which manuals the Documentation page lists, in which groups.
#include "ManualTable.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zelva::manuals;

namespace {

TEST(ManualTable, RowsOfMissingExpansionsAreLeftOutAndGroupsKeepTheirFirstRowsOrder) {
  const ManualRow table[] = {
      {nullptr, "Base", "A", "", "a.pdf"},
      {"ZELVA K50-300ER", "Extra", "B", "", "b.pdf"},
      {"Other", "Extra", "C", "", "c.pdf"},
      {nullptr, "base", "D", "", "d.pdf"},  // the same group, spelled otherwise
      {nullptr, nullptr, nullptr, nullptr, nullptr},
  };
  ManualList list(table, [](const char* name) { return std::strcmp(name, "ZELVA K50-300ER") == 0; });
  ASSERT_EQ(list.groupCount(), 2);
  EXPECT_EQ(list.groupName(0), "Base");
  EXPECT_EQ(list.groupName(1), "Extra");
  EXPECT_EQ(list.Lines().size(), 2u);  // both collapsed at first

  list.Toggle(0);
  list.Toggle(1);
  std::vector<ListLine> lines = list.Lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1].manual, 0);
  EXPECT_EQ(lines[2].manual, 3);
  EXPECT_EQ(lines[3].manual, -1);
  EXPECT_EQ(lines[4].manual, 1);
}

}  // namespace
