// Packages a product module installs: found by the product's short name.
#pragma once

#include "ModuleLoader.h"
#include "ZelvaContract.h"

namespace zelva::host {

// The first loaded product module, in table order, whose short name equals
// aircraft (case ignored); null when none.
ProductModule* FindProductModule(const char* aircraft);

// "Single Livery" and "Aircraft INI" packages: with checkProduct, a package
// whose aircraft is not the product's own package aircraft is refused (-3)
// when the product is not installed, and installed only when the user
// agrees. No module: 0, nothing shown.
int32_t HandLiveryToModule(const char* packagePath, PackageSummary& summary, bool checkProduct);

// Any other type goes to the named module unchecked; no aircraft: 0.
int32_t HandOtherTypeToModule(const char* packagePath, PackageSummary& summary);

}  // namespace zelva::host
