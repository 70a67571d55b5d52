#include "UninstallKey.h"

#include "FixedText.h"
#include "ProductTemplate.h"

namespace zelva::module {

LONG OpenUninstallKey(win::RegistryKey& key, const char* path) {
  return key.Open(HKEY_LOCAL_MACHINE, path, KEY_QUERY_VALUE | KEY_WOW64_32KEY);
}

LONG ReadDisplayVersion(const win::RegistryKey& key, char (&version)[kVersionChars]) {
  return win::ReadRegistryString(key.get(), "DisplayVersion", version);
}

void UninstallKeyPath(const char* guid, char (&path)[300]) {
  text::CopyBounded(path, kUninstallPrefix);
  text::AppendBounded(path, guid != nullptr ? guid : "");
}

}  // namespace zelva::module
