// Packages of type "Command": copy and extract steps into the simulator's
// and the system's folders.
#pragma once

#include <cstdint>

namespace zelva::host {

// 0 when done (copy failures are logged or ignored), -2 when a value of the
// script was refused before anything was written.
int32_t RunCommandPackage(const char* packagePath);

}  // namespace zelva::host
