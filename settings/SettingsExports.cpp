// The settings module's side of the module contract.
#include "ZelvaContract.h"

namespace {
zelva::HostContext* g_host = nullptr;
}

using namespace zelva;

extern "C" {

__declspec(dllexport) int32_t __cdecl ZELVA_LoadProductModule(HostContext* context) {
  if (context == nullptr) return 0;
  g_host = context;
  return 1;
}

__declspec(dllexport) void __cdecl ZELVA_GetProductInfo(ProductInfo*) {}

__declspec(dllexport) int32_t __cdecl ZELVA_ShowProductWindow(HWND) { return 1; }

__declspec(dllexport) void __cdecl ZELVA_HideProductWindow(void) {}

__declspec(dllexport) int32_t __cdecl ZELVA_OnMenuChange(int32_t) { return 0; }

__declspec(dllexport) INT_PTR __cdecl ExecuteCommand(int32_t, INT_PTR, INT_PTR) { return kResultUnknown; }

__declspec(dllexport) void __cdecl ZELVA_UnloadProductModule(void) { g_host = nullptr; }

}
