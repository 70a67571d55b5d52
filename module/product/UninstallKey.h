// Uninstall registry keys of the product and its expansions, read as a
// 32-bit program sees them (the installers write the 32-bit view).
#pragma once

#include "Registry.h"
#include "ZelvaContract.h"

namespace zelva::module {

// Windows error code of opening the key below HKEY_LOCAL_MACHINE.
LONG OpenUninstallKey(win::RegistryKey& key, const char* path);

// "DisplayVersion" into version; on failure the text is empty.
LONG ReadDisplayVersion(const win::RegistryKey& key, char (&version)[kVersionChars]);

// kUninstallPrefix + guid, at most 299 characters.
void UninstallKeyPath(const char* guid, char (&path)[300]);

}  // namespace zelva::module
