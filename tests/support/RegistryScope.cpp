#include "RegistryScope.h"

namespace zelva::testing {

win::RegistryKey RegistryScope::Create(HKEY root, const std::string& path, REGSAM view) {
  win::RegistryKey key;
  DWORD disposition = 0;
  RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr, key.receive(), &disposition);
  created_.push_back({root, path, view});
  return key;
}

void RegistryScope::SetString(HKEY root, const std::string& path, const char* name, const std::string& value,
                              REGSAM view) {
  win::RegistryKey key = Create(root, path, view);
  RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1));
}

void RegistryScope::SetNumber(HKEY root, const std::string& path, const char* name, DWORD value, REGSAM view) {
  win::RegistryKey key = Create(root, path, view);
  RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

RegistryScope::~RegistryScope() {
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
    win::RegistryKey key;
    if (key.Open(it->root, it->path.c_str(), KEY_ALL_ACCESS | it->view) == ERROR_SUCCESS) RegDeleteTreeA(key.get(), nullptr);
    RegDeleteKeyExA(it->root, it->path.c_str(), it->view, 0);
  }
}

}  // namespace zelva::testing
