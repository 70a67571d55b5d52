// Whether a livery is among a variant's entries in its aircraft.cfg.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// True when an entry from [fltsim.0] up to the first empty "ui_variation"
// carries that "ui_variation", compared without regard to case. The
// simulator is the host's current one; an unknown number counts as FSX.
bool IsLiveryInstalled(const HostContext& host, const ProductInfo& product, int variant, const char* name);

}  // namespace zelva::module
