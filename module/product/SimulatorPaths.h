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

// root + relative (with a backslash between). False when the root is empty
// or the path does not fit.
bool SimulatorFilePath(const char* root, const char* relative, char (&path)[kPathChars]);

// The current simulator's root (HostContext) + relative; false as above,
// also when no simulator is current.
bool CurrentSimulatorFile(const char* relative, char (&path)[kPathChars]);

}  // namespace zelva::module
