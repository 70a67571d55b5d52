// The liveries chosen in the page's list box: its selected items, each with
// its text and the entry number it carries as item data.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zelva::module {

constexpr int kMostSelected = 500;

struct ChosenLivery {
  int entry;
  std::string name;
};

std::vector<ChosenLivery> SelectedLiveries(HWND list);
std::vector<int> EntriesOf(const std::vector<ChosenLivery>& chosen);

// Selects the one item whose data is the entry (and nothing else); false when none carries it.
bool SelectEntry(HWND list, int entry);

}  // namespace zelva::module
