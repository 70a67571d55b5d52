// Which product versions the maker offers: "Versions.ini" from the product
// update server, handed to every loaded product module (module command 14).
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

void CheckProductVersions(const HostContext& context);

}  // namespace zelva::host
