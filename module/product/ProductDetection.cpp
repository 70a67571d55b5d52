#include "ProductDetection.h"

#include "ModuleContext.h"
#include "ProductTemplate.h"
#include "SimulatorPaths.h"
#include "UninstallKey.h"

namespace zelva::module {
namespace {

constexpr UINT kFuelTypeAbsent = 99999;

}  // namespace

void ReadProductVersion(ProductInfo& product) {
  Log("\n%s - Checking product version\n", product.shortName);
  product.version[0] = '\0';
  char path[300];
  UninstallKeyPath(kProductGuid, path);
  Log("\tChecking key: %s\n", path);

  win::RegistryKey key;
  LONG error = OpenUninstallKey(key, path);
  if (error != ERROR_SUCCESS) {
    Log("\tError opening key: %d\n", int(error));
    return;
  }
  error = ReadDisplayVersion(key, product.version);
  if (error != ERROR_SUCCESS) {
    Log("\tError reading value: %d\n", int(error));
    return;
  }
  Log("\tInstalled version: %s\n", product.version);
}

void FindInstalledVariants(const HostContext& host, ProductInfo& product) {
  Log("\n%s - Finding installed variants\n", product.shortName);
  product.installed = 0;
  Log("\tVariants: %d\n", int(product.variantCount));
  int count = product.variantCount < kMaxVariants ? product.variantCount : kMaxVariants;
  for (int i = 0; i < count; ++i) {
    VariantEntry& variant = product.variants[i];
    variant.installed = 0;
    const char* root = SimulatorRoot(host, product.simulator);
    if (root == nullptr) continue;
    Log("\tVariant %01d: %s\n", i + 1, variant.name);
    char path[kPathChars];
    bool usable = VariantConfigPath(root, variant.folderName, path);
    Log("\t\tPath: %s\n", path);
    if (!usable) continue;
    if (GetPrivateProfileIntA("fuel", "fuel_type", kFuelTypeAbsent, path) != kFuelTypeAbsent) {
      Log("\t\tFound variant!\n");
      variant.installed = 1;
      product.installed = 1;
    }
  }
}

void CheckExpansions(ProductInfo& product) {
  Log("\n%s - Checking expansion versions\n", product.shortName);
  Log("\tExpansions: %d\n", int(product.expansionCount));
  int count = product.expansionCount < kMaxExpansions ? product.expansionCount : kMaxExpansions;
  for (int i = 0; i < count; ++i) {
    ExpansionEntry& expansion = product.expansions[i];
    expansion.installed = 0;
    expansion.version[0] = '\0';
    Log("\tExpansion %01d: %s\n", i + 1, expansion.fullName);
    if (expansion.uninstallGuid == nullptr || expansion.uninstallGuid[0] == '\0') continue;

    char path[300];
    UninstallKeyPath(expansion.uninstallGuid, path);
    Log("\t\tOpening registry key: %s\n", path);
    win::RegistryKey key;
    LONG error = OpenUninstallKey(key, path);
    if (error != ERROR_SUCCESS) {
      Log("\t\tError opening key: %d\n", int(error));
      continue;
    }
    error = ReadDisplayVersion(key, expansion.version);
    if (error == ERROR_SUCCESS) {
      Log("\t\tVersion: %s\n", expansion.version);
    } else {
      Log("\t\tError reading value: %d\n", int(error));
    }
    if (expansion.version[0] != '\0') {
      Log("\t\tExpansion installed\n");
      expansion.installed = 1;
    }
  }
}

void DetectProduct(const HostContext& host, ProductInfo& product) {
  ReadProductVersion(product);
  Log("\n%s - InitializeProduct\n", product.shortName);
  FillProductTables(product);
  if (product.version[0] == '\0') return;
  FindInstalledVariants(host, product);
  CheckExpansions(product);
}

}  // namespace zelva::module
