// The host's process-wide state: the one HostContext handed to every module.
#pragma once

#include "ZelvaContract.h"
#include "ZelvaVersion.h"

namespace zelva::host {

constexpr const char* kHostVersion = "v" ZELVA_VERSION_TEXT;

HostContext& Context();

// Zero-fills the context and stores the instance, the version text and the
// service entry points the host provides.
void ResetContext(HINSTANCE instance);

}  // namespace zelva::host
