// The module commands the host sends through ExecuteCommand.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

INT_PTR ExecuteModuleCommand(int32_t command, INT_PTR first, INT_PTR second);

}  // namespace zelva::module
