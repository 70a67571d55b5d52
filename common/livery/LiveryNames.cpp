#include "LiveryNames.h"

#include "LiveryText.h"
#include "ProfileDocument.h"

namespace zelva::livery {

std::vector<std::string> DisplayNamesOfAllEntries(std::string_view cfgText) {
  constexpr std::string_view kPrefix = "fltsim.";
  constexpr size_t kNameChars = 100;
  profile::Document document(cfgText);
  std::vector<std::string> names;
  for (size_t i = 0; i < document.size(); ++i) {
    const profile::Section& section = document.section(i);
    if (!section.headed || section.name.size() <= kPrefix.size() ||
        !EqualWithoutCase(std::string_view(section.name).substr(0, kPrefix.size()), kPrefix))
      continue;
    // A second section of the same name is one the profile functions never read.
    if (document.Find(section.name) != i) continue;
    std::string name = document.Value(section.name, "ui_variation", kNameChars);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace zelva::livery
