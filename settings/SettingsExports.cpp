// The settings module's side of the module contract. No exception leaves an
// export.
#include <cstring>
#include <memory>

#include "FixedText.h"
#include "SettingsModule.h"
#include "ZelvaContract.h"

namespace {
std::unique_ptr<zelva::settings::SettingsModule> g_module;
}

using namespace zelva;

extern "C" {

__declspec(dllexport) int32_t __cdecl ZELVA_LoadProductModule(HostContext* context) {
  if (context == nullptr) return 0;
  try {
    g_module.reset();
    auto module = std::make_unique<settings::SettingsModule>(*context);
    if (!module->started()) return 0;
    g_module = std::move(module);
    return 1;
  } catch (...) {
    g_module.reset();
    return 0;
  }
}

__declspec(dllexport) void __cdecl ZELVA_GetProductInfo(ProductInfo* info) {
  if (info == nullptr) return;
  std::memset(info, 0, sizeof(*info));
  text::CopyBounded(info->displayName, "Home");
  text::CopyBounded(info->shortName, "Settings");
}

__declspec(dllexport) int32_t __cdecl ZELVA_ShowProductWindow(HWND parent) {
  try {
    return g_module != nullptr ? g_module->Show(parent) : 0;
  } catch (...) {
    return 0;
  }
}

__declspec(dllexport) void __cdecl ZELVA_HideProductWindow(void) {
  try {
    if (g_module != nullptr) g_module->Hide();
  } catch (...) {
  }
}

__declspec(dllexport) int32_t __cdecl ZELVA_OnMenuChange(int32_t) { return 0; }

__declspec(dllexport) INT_PTR __cdecl ExecuteCommand(int32_t command, INT_PTR first, INT_PTR second) {
  const bool known = command >= kSettingsAddPanel && command <= kSettingsHomeClosesPopup;
  try {
    if (g_module == nullptr) return known ? 0 : kResultUnknown;
    return g_module->Execute(command, first, second);
  } catch (...) {
    return known ? 0 : kResultUnknown;
  }
}

__declspec(dllexport) void __cdecl ZELVA_UnloadProductModule(void) {
  try {
    g_module.reset();
  } catch (...) {
  }
}

}
