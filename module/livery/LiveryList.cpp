#include "LiveryList.h"

#include "FixedText.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "LiveryText.h"
#include "ProfileSection.h"

namespace zelva::module {
namespace {

constexpr size_t kDescriptionChars = 10000;

struct LiveryListState {
  LiveryListItem items[kLiveryListCapacity];
  uint16_t count = 0;
  LiveryPageControls page;
  bool selected = false;
  int selectedEntry = -1;
  int selectedVariant = -1;
  char thumbnail[kPathChars] = {};
  std::string description;
};

LiveryListState& State() {
  static LiveryListState state;
  return state;
}

void AddToList(const LiveryListItem& item) {
  HWND list = State().page.list;
  if (list == nullptr) return;
  LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.name));
  if (index >= 0) SendMessageA(list, LB_SETITEMDATA, WPARAM(index), LPARAM(item.entry));
}

void ShowDescription(const std::string& text) {
  State().description = text;
  if (State().page.description != nullptr) SetWindowTextA(State().page.description, text.c_str());
}

}  // namespace

void BindLiveryPage(const LiveryPageControls& controls) { State().page = controls; }
void UnbindLiveryPage() { State().page = LiveryPageControls(); }

int ShownLiveryVariant() { return State().page.page != nullptr ? State().page.variant : -1; }

void RepaintLiveryPage() {
  if (State().page.page != nullptr) InvalidateRect(State().page.page, nullptr, TRUE);
}

void ReadLiveryList(int variant) {
  LiveryListState& state = State();
  state.count = 0;
  state.selected = false;
  ShowDescription(std::string());
  RepaintLiveryPage();
  if (state.page.list != nullptr) SendMessageA(state.page.list, LB_RESETCONTENT, 0, 0);

  char path[kPathChars];
  if (!VariantConfigFile(variant, path)) return;
  // Entries past the list's capacity stay in the file, unlisted.
  while (state.count < kLiveryListCapacity) {
    std::string name = ReadProfileValue(path, EntrySection(state.count).c_str(), "ui_variation", 100);
    if (name.empty()) break;
    LiveryListItem& item = state.items[state.count];
    text::CopyBounded(item.name, name.c_str());
    item.entry = state.count;
    ++state.count;
  }
  for (int i = 0; i < state.count; ++i) AddToList(state.items[i]);
}

void FilterLiveryList(const char* filter) {
  LiveryListState& state = State();
  if (state.page.list != nullptr) SendMessageA(state.page.list, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < state.count; ++i) {
    if (filter == nullptr || livery::ContainsWithoutCase(state.items[i].name, filter)) AddToList(state.items[i]);
  }
}

void ShowLiveryDetails(int entry, int variant) {
  LiveryListState& state = State();
  char folder[kPathChars];
  state.thumbnail[0] = '\0';
  std::string description;
  if (VariantAircraftFolder(variant, folder)) {
    std::string path = std::string(folder) + "\\aircraft.cfg";
    std::string section = EntrySection(entry);
    std::string texture = ReadProfileValue(path.c_str(), section.c_str(), "texture", 100);
    if (IsSafeFileName(texture.c_str())) {
      std::string thumbnail = std::string(folder) + "\\texture." + texture + "\\thumbnail.jpg";
      if (!text::CopyBounded(state.thumbnail, thumbnail.c_str())) state.thumbnail[0] = '\0';
    }
    description = livery::ExpandDescriptionBreaks(
        ReadProfileValue(path.c_str(), section.c_str(), "description", kDescriptionChars), kDescriptionChars);
  }
  ShowDescription(description);
  state.selected = true;
  state.selectedEntry = entry;
  state.selectedVariant = variant;
  RepaintLiveryPage();
}

int LiveryListCount() { return State().count; }
const LiveryListItem& LiveryListRecord(int index) { return State().items[index]; }
bool IsLiverySelected() { return State().selected; }
void ClearLiverySelection() { State().selected = false; }
int SelectedLiveryEntry() { return State().selectedEntry; }
int SelectedLiveryVariant() { return State().selectedVariant; }
const char* LiveryThumbnailPath() { return State().thumbnail; }
const std::string& LiveryDescription() { return State().description; }

}  // namespace zelva::module
