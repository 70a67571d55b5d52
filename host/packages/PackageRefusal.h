// A package refused before anything of it was written.
#pragma once

#include <cstdint>

namespace zelva::host {

// Leaves a text naming the value in the host error text, logs it and
// returns the failure result (-2).
int32_t RefuseUnsafePath(const char* value);
int32_t RefuseLongPath(const char* value);

}  // namespace zelva::host
