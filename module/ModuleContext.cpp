#include "ModuleContext.h"

namespace zelva::module {
namespace {
HostContext* g_host = nullptr;
ProductInfo g_product;
}  // namespace

HostContext* Host() { return g_host; }
void SetHost(HostContext* host) { g_host = host; }
ProductInfo& Product() { return g_product; }

INT_PTR CallHost(int32_t code, const char* text, void* object) {
  if (g_host == nullptr || g_host->hostCommand == nullptr) return kResultUnknown;
  return g_host->hostCommand(code, text, object);
}

}  // namespace zelva::module
