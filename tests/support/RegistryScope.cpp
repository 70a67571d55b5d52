#include "RegistryScope.h"

namespace zelva::testing {

HKEY RegistryScope::Create(HKEY root, const std::string& path, REGSAM view) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr, &key, &disposition);
  created_.push_back({root, path, view});
  return key;
}

void RegistryScope::SetString(HKEY root, const std::string& path, const char* name, const std::string& value,
                              REGSAM view) {
  HKEY key = Create(root, path, view);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
  RegCloseKey(key);
}

void RegistryScope::SetNumber(HKEY root, const std::string& path, const char* name, DWORD value, REGSAM view) {
  HKEY key = Create(root, path, view);
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
  RegCloseKey(key);
}

RegistryScope::~RegistryScope() {
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(it->root, it->path.c_str(), 0, KEY_ALL_ACCESS | it->view, &key) == ERROR_SUCCESS) {
      RegDeleteTreeA(key, nullptr);
      RegCloseKey(key);
    }
    RegDeleteKeyExA(it->root, it->path.c_str(), it->view, 0);
  }
}

}  // namespace zelva::testing
