// The K50 product's static description.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

constexpr const char* kShortName = "ZELVA K50X";

// The description before product detection has run.
void FillProductTemplate(ProductInfo& info);

}  // namespace zelva::module
