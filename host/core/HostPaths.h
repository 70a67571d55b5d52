// The host's folders and file paths in HostContext.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// The folder of a module path, lower-cased, with trailing backslash.
bool ProgramFolderFromModulePath(const char* modulePath, char (&folder)[kPathChars]);

// Creates "ZELVA\ZELVA Hangardesk\" below appDataFolder (existing folders are
// fine, failures are left to later file operations) and returns it
// lower-cased with trailing backslash.
bool BuildDataFolder(const char* appDataFolder, char (&folder)[kPathChars]);

// Fills program folder, data folder, configuration and log path from the
// running program and the user's roaming application-data folder.
bool PrepareHostPaths(HostContext& context);

// Data folder, configuration and log path from a given data folder.
void SetDataPaths(HostContext& context, const char* dataFolder);

}  // namespace zelva::host
