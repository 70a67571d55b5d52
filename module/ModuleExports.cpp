// The exported entry points of the K50 product module. No exception leaves them.
#include "ArchiveLog.h"
#include "ProductTemplate.h"
#include "ZelvaContract.h"

namespace zelva::module {
namespace {
HostContext* g_host = nullptr;
ProductInfo g_product;
}  // namespace
}  // namespace zelva::module

using namespace zelva;
using namespace zelva::module;

extern "C" {

__declspec(dllexport) int32_t __cdecl ZELVA_LoadProductModule(HostContext* context) {
  if (context == nullptr) return 0;
  g_host = context;
  Cabinet::SetLogFunction(g_host->log);
  if (g_host->log) g_host->log("\n%s - Product Module Loading\n", kShortName);
  FillProductTemplate(g_product);
  return 1;
}

__declspec(dllexport) void __cdecl ZELVA_GetProductInfo(ProductInfo* info) {
  if (info != nullptr) *info = g_product;
}

__declspec(dllexport) int32_t __cdecl ZELVA_ShowProductWindow(HWND) { return 1; }

__declspec(dllexport) void __cdecl ZELVA_HideProductWindow(void) {}

__declspec(dllexport) int32_t __cdecl ZELVA_OnMenuChange(int32_t) { return 0; }

__declspec(dllexport) INT_PTR __cdecl ExecuteCommand(int32_t, INT_PTR, INT_PTR) { return kResultUnknown; }

__declspec(dllexport) void __cdecl ZELVA_UnloadProductModule(void) {
  Cabinet::SetLogFunction(nullptr);
  g_host = nullptr;
}

}
