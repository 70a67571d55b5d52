#include "Registry.h"

namespace zelva::win {

LONG RegistryKey::Open(HKEY root, const char* path, REGSAM access) {
  return access == 0 ? RegOpenKeyA(root, path, receive()) : RegOpenKeyExA(root, path, 0, access, receive());
}

LONG ReadRegistryString(HKEY key, const char* name, char* field, size_t capacity) {
  if (field == nullptr || capacity == 0) return ERROR_INVALID_PARAMETER;
  DWORD type = 0;
  DWORD size = capacity > MAXDWORD ? MAXDWORD : DWORD(capacity);
  LONG error = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(field), &size);
  if (error == ERROR_SUCCESS && type != REG_SZ && type != REG_EXPAND_SZ) error = ERROR_INVALID_DATA;
  if (error == ERROR_SUCCESS && size >= capacity && field[capacity - 1] != '\0') error = ERROR_MORE_DATA;
  if (error != ERROR_SUCCESS) {
    field[0] = '\0';
    return error;
  }
  field[size < capacity ? size : capacity - 1] = '\0';
  return ERROR_SUCCESS;
}

}  // namespace zelva::win
