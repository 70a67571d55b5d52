// Simulator root folders from the registry.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

void FindFsx(HostContext& context);
void FindFsxSe(HostContext& context);
void FindP3d(HostContext& context);
void FindP3dV4(HostContext& context);

// FSX and FSX-SE registered to the same folder: FSX-SE is the installed one.
void ApplyCoExistenceRule(HostContext& context);

}  // namespace zelva::host
