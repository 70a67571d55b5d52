// The product's manuals and the grouped list the Documentation page shows of
// them: which rows are offered, in which groups, and which groups are open.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zelva::manuals {

struct ManualRow {
  const char* requiredExpansion;  // null: always offered
  const char* group;
  const char* title;  // null ends the table
  const char* description;
  const char* file;  // below the product folder
};

// The K50's six manuals, ended by a row without title.
extern const ManualRow kManuals[];

// One line of the list: a group's header, or a manual under it.
struct ListLine {
  int group;
  int manual;  // index into the table; -1 for the group's header
};

class ManualList {
 public:
  // The rows of table whose required expansion is none or installed (the
  // name as the expansion table spells it, matched without regard to case);
  // groups in the order of their first row, each collapsed.
  ManualList(const ManualRow* table, const std::function<bool(const char* expansion)>& installed);

  int groupCount() const { return int(groups_.size()); }
  const std::string& groupName(int group) const { return groups_[size_t(group)].name; }
  bool collapsed(int group) const { return groups_[size_t(group)].collapsed; }
  void Toggle(int group);
  const ManualRow& manual(int index) const { return table_[index]; }

  // Each group's header, and under an expanded one its manuals in table order.
  std::vector<ListLine> Lines() const;

 private:
  struct Group {
    std::string name;
    bool collapsed = true;
    std::vector<int> manuals;
  };
  const ManualRow* table_;
  std::vector<Group> groups_;
};

}  // namespace zelva::manuals
