// What a package says about itself, read from its "Settings.dat".
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// Extracts only "Settings.dat" into a working folder of its own. A package
// that cannot be read gives an all-zero summary.
void ReadPackageSummary(const char* packagePath, PackageSummary& summary);

}  // namespace zelva::host
