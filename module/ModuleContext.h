// What every part of the module shares: the host's record, the product
// description and the module's own instance.
#pragma once

#include "ThisModule.h"
#include "ZelvaContract.h"

namespace zelva::module {

// The record handed over at load; null before load and after unload.
HostContext* Host();
void SetHost(HostContext* host);

ProductInfo& Product();

// The library's own instance, whose resources hold the dialogs and images.
inline HINSTANCE ModuleInstance() { return win::ThisModule(); }

// Writes through the host's log service, when there is one.
template <typename... Arguments>
void Log(const char* format, Arguments... arguments) {
  HostContext* host = Host();
  if (host != nullptr && host->log != nullptr) host->log(format, arguments...);
}

// The host-command service; kResultUnknown without a host.
INT_PTR CallHost(int32_t code, const char* text = nullptr, void* object = nullptr);

}  // namespace zelva::module
