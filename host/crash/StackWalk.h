// The stack text of a crash: the faulting address and the return addresses
// above it, each named by the module that holds it.
#pragma once

#include <windows.h>

#include "CrashText.h"

namespace zelva::crash {

// Walks at most kMaxStackLines frames from the processor context and appends
// their lines. Uses static storage: one crash is reported at a time.
void AppendStackText(const CONTEXT& context, TextBuilder& out);

}  // namespace zelva::crash
