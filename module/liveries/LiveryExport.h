// Installed liveries back into package files: one livery as a "Single Livery"
// package, several as a "Multi Livery" package of single-livery packages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zelva::module {

// The package family names a product's exports carry in "Aircraft"; empty
// where the family has none of that kind.
struct ProductFamily {
  const char* single;
  const char* multi;
};
ProductFamily FamilyOf(const char* productIdentity);

struct ExportOutcome {
  bool done = false;
  std::string failure;  // the step that failed, for the user
};

// Both write to a temporary name beside outputPath and replace it only when
// the whole package is written; they run on the export thread.
ExportOutcome ExportLivery(const char* outputPath, int entry, int variant);
ExportOutcome ExportLiveries(const char* outputPath, const std::vector<int>& entries, int variant);

// The page's "Export Livery": the save dialog, then the export on its own
// thread under the host's working dialog, then the result. Nothing at all
// without a selected livery.
void ExportSelectedLiveries(int variant, HWND page, const std::vector<int>& entries);

// The inner package names of a multi-livery export: "Texture.<texture>.ZLP",
// made unique (case ignored) for liveries that share a texture folder.
std::vector<std::string> InnerPackageNames(const std::vector<std::string>& textures);

}  // namespace zelva::module
