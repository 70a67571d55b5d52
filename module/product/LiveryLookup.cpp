#include "LiveryLookup.h"

#include <cstdio>
#include <cstring>

#include "SimulatorPaths.h"

namespace zelva::module {

bool IsLiveryInstalled(const HostContext& host, const ProductInfo& product, int variant, const char* name) {
  if (name == nullptr || variant < 0 || variant >= product.variantCount || variant >= kMaxVariants) return false;
  const char* root = SimulatorRoot(host, host.currentSimulator);
  if (root == nullptr) root = host.fsxRoot;
  char path[kPathChars];
  if (!VariantConfigPath(root, product.variants[variant].folderName, path)) return false;

  for (unsigned entry = 0;; ++entry) {
    char section[24];
    std::snprintf(section, sizeof(section), "fltsim.%u", entry);
    char variation[100];
    GetPrivateProfileStringA(section, "ui_variation", "", variation, sizeof(variation), path);
    if (variation[0] == '\0') return false;
    if (_stricmp(variation, name) == 0) return true;
  }
}

}  // namespace zelva::module
