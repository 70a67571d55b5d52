// The host-command service that modules call through HostContext.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

extern "C" INT_PTR __cdecl HostCommand(int32_t code, const char* text, void* object);

}  // namespace zelva::host
