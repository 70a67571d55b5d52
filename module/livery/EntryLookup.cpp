#include <windows.h>

#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "ProfileSection.h"

namespace zelva::module {

bool IsLiveryInstalled(int variant, const char* name) {
  char path[kPathChars];
  if (name == nullptr || !VariantConfigFile(variant, path)) return false;
  for (int entry = 0;; ++entry) {
    std::string variation = ReadProfileValue(path, EntrySection(entry).c_str(), "ui_variation", 100);
    if (variation.empty()) return false;
    if (_stricmp(variation.c_str(), name) == 0) return true;
  }
}

}  // namespace zelva::module
