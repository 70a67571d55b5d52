#include "ModuleHandOff.h"

#include <cstdio>

#include "HostState.h"

namespace zelva::host {
namespace {

int32_t Install(ProductModule& module, const char* packagePath, PackageSummary& summary) {
  if (module.command == nullptr) return kResultUnknown;
  return int32_t(module.command(kModuleInstallPackage, reinterpret_cast<INT_PTR>(packagePath),
                                reinterpret_cast<INT_PTR>(&summary)));
}

// True when the user lets a package of another product's aircraft through.
bool AcceptOtherProduct(const ProductModule& module, const PackageSummary& summary) {
  bool configuration = lstrcmpiA(summary.type, "Aircraft INI") == 0;
  char text[512];
  if (module.info.installed == 0) {
    std::snprintf(text, sizeof(text),
                  configuration ? "The selected file is an aircraft configuration for the %s but this product is not "
                                  "installed!"
                                : "The selected file is a livery for the %s but this product is not installed!",
                  module.info.displayName);
    MessageBoxA(Context().mainWindow, text, "Error!", MB_OK | MB_ICONERROR);
    return false;
  }
  std::snprintf(text, sizeof(text),
                configuration
                    ? "The selected file is an aircraft configuration for the %s.\n\nWould you like to install it anyway?"
                    : "The selected file is a livery for the %s.\n\nWould you like to install it anyway?",
                module.info.displayName);
  return MessageBoxA(Context().mainWindow, text, "Wrong aircraft!", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace

ProductModule* FindProductModule(const char* aircraft) {
  if (aircraft == nullptr || aircraft[0] == '\0') return nullptr;
  for (int i = 0; i < ProductModuleCount(); ++i) {
    ProductModule& module = ProductModuleAt(i);
    if (lstrcmpiA(module.info.shortName, aircraft) == 0) return &module;
  }
  return nullptr;
}

int32_t HandLiveryToModule(const char* packagePath, PackageSummary& summary, bool checkProduct) {
  ProductModule* module = FindProductModule(summary.aircraft);
  if (module == nullptr) return kResultDone;
  if (checkProduct && lstrcmpiA(summary.aircraft, module->info.packageAircraftName) != 0 &&
      !AcceptOtherProduct(*module, summary))
    return kResultCancelled;
  return Install(*module, packagePath, summary);
}

int32_t HandOtherTypeToModule(const char* packagePath, PackageSummary& summary) {
  ProductModule* module = FindProductModule(summary.aircraft);
  if (module == nullptr) return kResultDone;
  return Install(*module, packagePath, summary);
}

}  // namespace zelva::host
