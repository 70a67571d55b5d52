// Where the livery downloader's list puts things: per variant a header bar
// that collapses or expands its group, then one row per livery, or one line
// saying the variant has none. Coordinates are the list's content, top 0.
#pragma once

#include <vector>

namespace zelva::livery {

struct GroupShape {
  int variant = 0;
  int rows = 0;
  bool collapsed = false;
};

enum class ItemKind { kHeader, kRow, kEmpty };

struct LayoutItem {
  ItemKind kind = ItemKind::kHeader;
  int variant = 0;
  int row = -1;  // kRow: index in the variant's table
  int top = 0;
  int height = 0;
};

std::vector<LayoutItem> LayOutGroups(const std::vector<GroupShape>& groups, int headerHeight, int rowHeight);
int ContentHeight(const std::vector<LayoutItem>& items);
// The item under y, or null.
const LayoutItem* ItemAt(const std::vector<LayoutItem>& items, int y);

}  // namespace zelva::livery
