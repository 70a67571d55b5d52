// Works out what of the product this computer has: the installed version
// from the uninstall registry, the variants present in the simulator, and the
// installed expansions. Results go into the product description.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// Version text from the product's uninstall key; empty when absent.
void ReadProductVersion(ProductInfo& product);

// Installed flags of the variants and of the product, from each variant's
// aircraft.cfg ("fuel_type" in section "fuel"; 99999 or missing means absent).
void FindInstalledVariants(const HostContext& host, ProductInfo& product);

// Installed flags and version texts of the expansions.
void CheckExpansions(ProductInfo& product);

// Everything above, in order; variants and expansions only when a version was found.
void DetectProduct(const HostContext& host, ProductInfo& product);

}  // namespace zelva::module
