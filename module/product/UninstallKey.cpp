#include "UninstallKey.h"

#include "FixedText.h"
#include "ProductTemplate.h"

namespace zelva::module {

UninstallKey::~UninstallKey() {
  if (key_ != nullptr) RegCloseKey(key_);
}

LONG UninstallKey::Open(const char* path) {
  return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key_);
}

LONG UninstallKey::ReadDisplayVersion(char (&version)[kVersionChars]) const {
  DWORD type = 0;
  DWORD size = sizeof(version);
  LONG error = RegQueryValueExA(key_, "DisplayVersion", nullptr, &type, reinterpret_cast<BYTE*>(version), &size);
  if (error == ERROR_SUCCESS && type != REG_SZ && type != REG_EXPAND_SZ) error = ERROR_INVALID_DATA;
  // A stored string need not carry its terminator.
  if (error == ERROR_SUCCESS && size == sizeof(version) && version[size - 1] != '\0') error = ERROR_MORE_DATA;
  if (error != ERROR_SUCCESS) {
    version[0] = '\0';
    return error;
  }
  version[size < sizeof(version) ? size : sizeof(version) - 1] = '\0';
  return ERROR_SUCCESS;
}

void UninstallKeyPath(const char* guid, char (&path)[300]) {
  text::CopyBounded(path, kUninstallPrefix);
  text::AppendBounded(path, guid != nullptr ? guid : "");
}

}  // namespace zelva::module
