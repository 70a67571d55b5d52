// Installation of "Aircraft INI" packages: a fresh settings file for a
// livery that is already installed.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// 0 done; -2 failed with the message in the host's error text.
int InstallAircraftIni(const char* packagePath, const PackageSummary& summary);

}  // namespace zelva::module
