#include "LiveryRemoval.h"

#include <cstring>

#include "LiveryEntries.h"
#include "LiveryList.h"

namespace zelva::module {
namespace {

constexpr char kHouse[] = "ZELVA House";

}  // namespace

std::string RemovalQuestion(const std::vector<ChosenLivery>& chosen) {
  if (chosen.size() == 1) return "Are you sure you wish to remove this livery:\n" + chosen[0].name;
  if (chosen.size() <= 5) {
    std::string question = "Are you sure you wish to remove the following " + std::to_string(chosen.size()) +
                           " liveries:";
    for (const ChosenLivery& livery : chosen) question += "\n" + livery.name;
    return question;
  }
  return "Are you sure you wish to remove " + std::to_string(chosen.size()) + " liveries?";
}

void RemoveSelectedLiveries(int variant, HWND page, HWND list) {
  if (variant < 0) return;
  const std::vector<ChosenLivery> chosen = SelectedLiveries(list);
  if (chosen.empty()) return;
  if (MessageBoxA(page, RemovalQuestion(chosen).c_str(), "Are you sure?", MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
    return;
  if (chosen.size() == 1 && std::strncmp(chosen[0].name.c_str(), kHouse, sizeof(kHouse) - 1) == 0) {
    MessageBoxA(page,
                "You cannot remove the ZELVA House livery!\n\n(Because it is the most beautiful livery ever created, "
                "of course!)\n",
                "Error", MB_OK);
    return;
  }
  // All of them in one rewrite, from the highest entry down.
  RemoveLiveryEntries(EntriesOf(chosen), variant);
  ReadLiveryList(variant);
}

}  // namespace zelva::module
