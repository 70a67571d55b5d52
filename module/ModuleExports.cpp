// The exported entry points of the K50 product module. No exception leaves them.
#include <cstring>

#include "ArchiveLog.h"
#include "ModuleCommands.h"
#include "ModuleContext.h"
#include "ModuleLifecycle.h"

using namespace zelva;
using namespace zelva::module;

extern "C" {

__declspec(dllexport) int32_t __cdecl ZELVA_LoadProductModule(HostContext* context) {
  try {
    // Archive errors of the module go into the host's log too.
    if (context != nullptr && context->log != nullptr) archive::SetLogFunction(context->log);
    return LoadModule(context);
  } catch (...) {
    return 0;
  }
}

__declspec(dllexport) void __cdecl ZELVA_GetProductInfo(ProductInfo* info) {
  if (info != nullptr) std::memcpy(info, &Product(), sizeof(ProductInfo));
}

__declspec(dllexport) int32_t __cdecl ZELVA_ShowProductWindow(HWND parent) {
  try {
    return ShowProductWindow(parent);
  } catch (...) {
    return 1;
  }
}

__declspec(dllexport) void __cdecl ZELVA_HideProductWindow(void) {
  try {
    HideProductWindow();
  } catch (...) {
  }
}

__declspec(dllexport) int32_t __cdecl ZELVA_OnMenuChange(int32_t page) {
  try {
    ChangePage(page & 0xFF);
  } catch (...) {
  }
  return 0;
}

__declspec(dllexport) INT_PTR __cdecl ExecuteCommand(int32_t command, INT_PTR first, INT_PTR second) {
  try {
    return ExecuteModuleCommand(command, first, second);
  } catch (...) {
    return kResultFailed;
  }
}

__declspec(dllexport) void __cdecl ZELVA_UnloadProductModule(void) {
  try {
    UnloadModule();
  } catch (...) {
  }
  SetHost(nullptr);
}

}
