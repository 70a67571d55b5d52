#include "ListSelection.h"

namespace zelva::module {

std::vector<ChosenLivery> SelectedLiveries(HWND list) {
  std::vector<ChosenLivery> chosen;
  if (list == nullptr) return chosen;
  int items[kMostSelected];
  LRESULT count = SendMessageA(list, LB_GETSELITEMS, kMostSelected, reinterpret_cast<LPARAM>(items));
  for (LRESULT i = 0; i < count && i < kMostSelected; ++i) {
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, WPARAM(items[i]), 0);
    if (length < 0) continue;
    std::string name(size_t(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, WPARAM(items[i]), reinterpret_cast<LPARAM>(&name[0]));
    name.resize(size_t(length));
    chosen.push_back({int(SendMessageA(list, LB_GETITEMDATA, WPARAM(items[i]), 0)), name});
  }
  return chosen;
}

std::vector<int> EntriesOf(const std::vector<ChosenLivery>& chosen) {
  std::vector<int> entries;
  for (const ChosenLivery& livery : chosen) entries.push_back(livery.entry);
  return entries;
}

bool SelectEntry(HWND list, int entry) {
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT item = 0; item < count; ++item) {
    if (SendMessageA(list, LB_GETITEMDATA, WPARAM(item), 0) != entry) continue;
    SendMessageA(list, LB_SETSEL, TRUE, item);
    SendMessageA(list, LB_SETCARETINDEX, WPARAM(item), FALSE);
    return true;
  }
  return false;
}

}  // namespace zelva::module
