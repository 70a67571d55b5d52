#include "ManualTable.h"

#include <cctype>

namespace zelva::manuals {
namespace {

constexpr char kGroup[] = "ZELVA K50 Documentation";

bool SameName(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return i == a.size() && b[i] == '\0';
}

}  // namespace

const ManualRow kManuals[] = {
    {nullptr, kGroup, "ZELVA K50 Introduction", "An introduction to the ZELVA K50.",
     "Flight Manuals\\ZELVA-K50-Introduction.pdf"},
    {nullptr, kGroup, "ZELVA K50 Tutorial #1", "Gets you up in the air quickly to experience the ZELVA K50.",
     "Flight Manuals\\ZELVA-K50-Tutorial-1.pdf"},
    {nullptr, kGroup, "Flight Crew Operations Manual (FCOM) Vol. 1",
     "ZELVA K50 operating limitiations, normal and abnormal procedures, and performance data.",
     "Flight Manuals\\ZELVA-K50-FCOMv1.pdf"},
    {nullptr, kGroup, "Flight Crew Operations Manual (FCOM) Vol. 2",
     "An in-depth description of the ZELVA K50 aircraft systems.", "Flight Manuals\\ZELVA-K50-FCOMv2.pdf"},
    {nullptr, kGroup, "Flight Crew Training Manual (FCTM)",
     "Provides information and recommendations on maneuvers and flight techniques.",
     "Flight Manuals\\ZELVA-K50-FCTM.pdf"},
    {nullptr, kGroup, "Quick Reference Handbook (QRH)",
     "Contains all checklists necessary for normal and abnormal procedures.", "Flight Manuals\\ZELVA-K50-QRH.pdf"},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

ManualList::ManualList(const ManualRow* table, const std::function<bool(const char*)>& installed) : table_(table) {
  for (int i = 0; table[i].title != nullptr; ++i) {
    const ManualRow& row = table[i];
    if (row.requiredExpansion != nullptr && !(installed && installed(row.requiredExpansion))) continue;
    const char* name = row.group != nullptr ? row.group : "";
    Group* group = nullptr;
    for (Group& existing : groups_)
      if (SameName(existing.name, name)) group = &existing;
    if (group == nullptr) {
      groups_.push_back(Group{name, true, {}});
      group = &groups_.back();
    }
    group->manuals.push_back(i);
  }
}

void ManualList::Toggle(int group) {
  if (group >= 0 && group < groupCount()) groups_[size_t(group)].collapsed = !groups_[size_t(group)].collapsed;
}

std::vector<ListLine> ManualList::Lines() const {
  std::vector<ListLine> lines;
  for (size_t g = 0; g < groups_.size(); ++g) {
    lines.push_back(ListLine{int(g), -1});
    if (groups_[g].collapsed) continue;
    for (int manual : groups_[g].manuals) lines.push_back(ListLine{int(g), manual});
  }
  return lines;
}

}  // namespace zelva::manuals
