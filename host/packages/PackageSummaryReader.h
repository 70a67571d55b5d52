// What a package says about itself, read from its "Settings.dat".
#pragma once

#include "ExtractTypes.h"
#include "ZelvaContract.h"

namespace zelva::host {

// Extracts only "Settings.dat" into a working folder of its own. A package
// that cannot be read gives an all-zero summary and false; error (optional)
// receives the archive's error triple (all zero when the package holds no
// "Settings.dat").
bool ReadPackageSummary(const char* packagePath, PackageSummary& summary, Cabinet::ExtractError* error = nullptr);

}  // namespace zelva::host
