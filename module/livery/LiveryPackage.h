// Installation of "Single Livery" packages into the active simulator.
#pragma once

namespace zelva::module {

// 0 done (or nothing to do), -1 declined or another package type, -2 failed
// (after the module's own error box), -3 cancelled.
int InstallLiveryPackage(const char* packagePath);

}  // namespace zelva::module
