// Packages of type "Multi Livery": inner livery packages the user picks.
#pragma once

#include <cstdint>

namespace zelva::host {

// 0 when done, -3 when the chooser was cancelled, -2 when a file name of the
// package was refused before anything was shown or written.
int32_t RunMultiLiveryPackage(const char* packagePath);

}  // namespace zelva::host
