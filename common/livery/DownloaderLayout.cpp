#include "DownloaderLayout.h"

namespace zelva::livery {

std::vector<LayoutItem> LayOutGroups(const std::vector<GroupShape>& groups, int headerHeight, int rowHeight) {
  std::vector<LayoutItem> items;
  int top = 0;
  auto add = [&](ItemKind kind, int variant, int row, int height) {
    items.push_back(LayoutItem{kind, variant, row, top, height});
    top += height;
  };
  for (const GroupShape& group : groups) {
    add(ItemKind::kHeader, group.variant, -1, headerHeight);
    if (group.collapsed) continue;
    if (group.rows <= 0) add(ItemKind::kEmpty, group.variant, -1, rowHeight / 2);
    for (int row = 0; row < group.rows; ++row) add(ItemKind::kRow, group.variant, row, rowHeight);
  }
  return items;
}

int ContentHeight(const std::vector<LayoutItem>& items) {
  return items.empty() ? 0 : items.back().top + items.back().height;
}

const LayoutItem* ItemAt(const std::vector<LayoutItem>& items, int y) {
  for (const LayoutItem& item : items)
    if (y >= item.top && y < item.top + item.height) return &item;
  return nullptr;
}

}  // namespace zelva::livery
