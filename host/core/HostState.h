// The host's process-wide state: the one HostContext handed to every module.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

constexpr const char* kHostVersion = "v1.17.27";

HostContext& Context();

// Zero-fills the context and stores the instance, the version text and the
// service entry points the host provides.
void ResetContext(HINSTANCE instance);

}  // namespace zelva::host
