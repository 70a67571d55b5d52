#include "K50Setup.h"

#include <shlobj.h>

#include <cstring>

#include "HostPaths.h"
#include "HostState.h"

namespace zelva::testing {

const char kProductKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{5C3A91E2-7D40-4B6F-A2C8-1E9D63F0B7A4}";
const char kExpansionKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{9B27D4C1-3E85-4A0F-B6D2-7C41E8A05F39}";

K50Setup::K50Setup() {
  // The host program's own images, which the menu tree asks for by name.
  hostImage_ = LoadLibraryExA(WindowsPathOf(ZELVA_HOST_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  host::ResetContext(hostImage_);
  HostContext& context = host::Context();
  host::SetDataPaths(context, data_.path().c_str());
  std::strcpy(context.fsxRoot, fsx_.path().c_str());
  context.scaleX = context.scaleY = 1.0;
}

K50Setup::~K50Setup() {
  Unload();
  if (hostImage_ != nullptr) FreeLibrary(hostImage_);
}

void K50Setup::RegisterProduct(const char* version) {
  registry_.SetString(HKEY_LOCAL_MACHINE, kProductKey, "DisplayVersion", version, KEY_WOW64_32KEY);
}

void K50Setup::RegisterProductWithoutVersion() {
  registry_.SetString(HKEY_LOCAL_MACHINE, kProductKey, "DisplayName", "ZELVA K50", KEY_WOW64_32KEY);
}

void K50Setup::RegisterExpansion(const char* version) {
  registry_.SetString(HKEY_LOCAL_MACHINE, kExpansionKey, version ? "DisplayVersion" : "DisplayName",
                      version ? version : "ZELVA K50-300ER FSX", KEY_WOW64_32KEY);
}

void K50Setup::WriteAircraftConfig(const char* variantFolder, const std::string& content) {
  std::string folder = fsx_ / ("SimObjects\\Airplanes\\" + std::string(variantFolder));
  SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
  WriteWholeFile(folder + "\\aircraft.cfg", content);
}

bool K50Setup::Load() {
  Unload();
  return host::LoadOneModule(module_, WindowsPathOf(ZELVA_MODULE_PATH).c_str());
}

void K50Setup::Unload() {
  if (module_.library == nullptr) return;
  module_.unload();
  FreeLibrary(module_.library);
  module_ = {};
}

std::string K50Setup::Log() const { return ReadWholeFile(host::Context().logPath); }

}  // namespace zelva::testing
