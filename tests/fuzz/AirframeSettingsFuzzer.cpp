// Settings files arrive in packages: any text must build a model within its
// limits, and the checks of new values must hold for any text typed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "AirframeSettings.h"
#include "K50Rules.h"
#include "OptionValues.h"

using namespace zelva::options;

namespace {

// "[name]" lines open sections; other lines are the section's, as the
// profile functions hand them over (each ended by a NUL).
std::vector<RawSection> Sections(const std::string& text) {
  std::vector<RawSection> file;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line[0] == '[') {
      file.push_back({line.substr(1), {}});
    } else if (!file.empty()) {
      file.back().lines += line + '\0';
    }
  }
  return file;
}

void CheckValue(const SettingsEntry& entry) {
  const AircraftOption* option = OptionAt(entry.row);
  ShownValue(option, entry.value);
  if (option != nullptr && option->kind == OptionKind::kRange) WithinRange(entry.value, option->minimum, option->maximum);
  std::string value = entry.value;
  if (!CheckThrustReduction(value)) {
    if (value != entry.value) std::abort();
    return;
  }
  if (value == "1" || value == "5" || value == "Flaps 1" || value == "Flaps 5") return;
  LeadingInteger number = ReadLeadingInteger(value);
  if (number.overflow || number.value < 400 || number.value > 9900 || number.value % 10 != 0 ||
      std::to_string(number.value) != value)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  AdjustCatalogueForVariant(size % 3);
  AirframeSettings model;
  model.Build("fuzz.ini", Sections(text));
  if (model.sections().size() > kMaxSections || model.HasChanges()) std::abort();
  for (const SettingsSection& section : model.sections()) {
    if (section.entries.empty() || section.entries.size() > kMaxEntries) std::abort();
    for (const SettingsEntry& entry : section.entries) {
      if (entry.key.empty() || entry.key.find('=') != std::string::npos) std::abort();
      int row = FindOption(section.name.c_str(), entry.key.c_str());
      if (entry.row != (row >= 0 ? row : kNoCatalogueRow)) std::abort();
      if (row >= 0 && OptionAt(row)->kind == OptionKind::kHidden) std::abort();
      CheckValue(entry);
    }
  }
  return 0;
}
