// The model behind the Livery Manager page's list: the entries of one variant,
// the filter, and the details of the selected entry. It works without a page;
// a page binds its controls and is then kept up to date.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zelva::module {

constexpr int kLiveryListCapacity = 500;

struct LiveryListItem {
  char name[100];  // the entry's ui_variation
  uint16_t entry;
};

// The page's controls; any of them may be null.
struct LiveryPageControls {
  HWND page = nullptr;         // repainted with the thumbnail
  HWND list = nullptr;         // list box: names, entry numbers as item data
  HWND description = nullptr;  // text of the selected entry
  int variant = -1;            // variant the page shows
};

void BindLiveryPage(const LiveryPageControls& controls);
void UnbindLiveryPage();

void ReadLiveryList(int variant);
void FilterLiveryList(const char* filter);
void ShowLiveryDetails(int entry, int variant);
int ShownLiveryVariant();   // variant the Livery Manager page shows, -1 when there is no page
void RepaintLiveryPage();   // nothing when there is no page

// Record k holds entry k.
int LiveryListCount();
const LiveryListItem& LiveryListRecord(int index);

// What ShowLiveryDetails chose; the selection is cleared by ReadLiveryList
// and ClearLiverySelection.
bool IsLiverySelected();
void ClearLiverySelection();
int SelectedLiveryEntry();
int SelectedLiveryVariant();
const char* LiveryThumbnailPath();  // empty when the entry has no usable texture folder
const std::string& LiveryDescription();

}  // namespace zelva::module
