#include "ModuleCommands.h"

#include <cstring>

#include "AircraftIniPackage.h"
#include "InstallCommon.h"
#include "LiveryEntries.h"
#include "LiveryPackage.h"
#include "ModuleContext.h"
#include "ModuleLifecycle.h"
#include "ProductWindow.h"
#include "SoundPackage.h"
#include "VersionCheck.h"

namespace zelva::module {
namespace {

constexpr int kLiveryManagerPage = 1;

const char* TextOf(INT_PTR argument) { return reinterpret_cast<const char*>(argument); }

INT_PTR ExpansionInstalled(const char* name) {
  const ProductInfo& product = Product();
  for (int i = 0; name != nullptr && i < product.expansionCount && i < kMaxExpansions; ++i) {
    const char* shortName = product.expansions[i].shortName;
    if (shortName != nullptr && _stricmp(shortName, name) == 0) return product.expansions[i].installed;
  }
  return 0;
}

INT_PTR VariantInstalled(const char* name) {
  const ProductInfo& product = Product();
  for (int i = 0; name != nullptr && i < product.variantCount && i < kMaxVariants; ++i) {
    const char* variantName = product.variants[i].name;
    if (variantName != nullptr && _stricmp(variantName, name) == 0) return product.variants[i].installed;
  }
  return 0;
}

INT_PTR LiveryInstalled(const char* name, INT_PTR variant) {
  return IsLiveryInstalled(int(variant & 0xFF), name) ? 1 : 0;
}

INT_PTR InstallPackage(const char* path, const PackageSummary* summary) {
  if (path == nullptr || summary == nullptr) return kResultUnknown;
  char type[kNameChars];
  CopyField(type, summary->type);
  if (_stricmp(type, "Single Livery") == 0) return InstallLiveryPackage(path);
  if (_stricmp(type, "Aircraft INI") == 0) return InstallAircraftIni(path, *summary);
  if (_stricmp(type, kSoundPackageType) == 0) return InstallSoundPackage(path, *summary);
  return kResultUnknown;
}

}  // namespace

INT_PTR ExecuteModuleCommand(int32_t command, INT_PTR first, INT_PTR second) {
  ProductWindow* window = CurrentProductWindow();
  switch (command) {
    case kModuleInstallPackage:
      return InstallPackage(TextOf(first), reinterpret_cast<const PackageSummary*>(second));
    case kModuleResize:
      if (window != nullptr) window->FollowParent();
      return 0;
    case kModuleExpansionInstalled:
      return ExpansionInstalled(TextOf(first));
    case kModuleVariantInstalled:
      return VariantInstalled(TextOf(first));
    case kModuleLiveryInstalled:
      return LiveryInstalled(TextOf(first), second);
    case kModuleSetHeaderImage:
      if (window != nullptr) window->SetHeaderImage(int(first));
      return kResultUnknown;
    case kModuleSetLinkButton:
      if (window != nullptr)
        window->SetLink(TextOf(first), second == 1 ? LinkPlacement::kRight : LinkPlacement::kLeft);
      return kResultUnknown;
    case kModuleShowLiveryManager:
      if (window != nullptr) window->ShowPage(kLiveryManagerPage);
      return kResultUnknown;
    case kModuleEvaluateVersions:
      EvaluateVersions(TextOf(first));
      return kResultUnknown;
    default:
      return kResultUnknown;
  }
}

}  // namespace zelva::module
