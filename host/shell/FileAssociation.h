// The shell's association of package files with this host.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// 1 when ".zlp" files are associated with this program folder's host.
int32_t FileAssociationState(const HostContext& context);

}  // namespace zelva::host
