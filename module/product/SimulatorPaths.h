// Where a simulator's files of the product are.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// The root folder of a simulator number (1 to 4), or null for another number.
const char* SimulatorRoot(const HostContext& host, int simulator);

// root + "SimObjects\Airplanes\" + folder + "\aircraft.cfg". False when the
// root is empty (a relative path would name a file elsewhere) or the path
// does not fit; the text built so far is left in path for the log.
bool VariantConfigPath(const char* root, const char* folderName, char (&path)[kPathChars]);

}  // namespace zelva::module
