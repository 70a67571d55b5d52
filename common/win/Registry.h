// Owner of an open registry key and the one bounded read of a string value.
#pragma once

#include <windows.h>

#include <cstddef>

#include "Owned.h"

namespace zelva::win {

namespace release {
inline void Key(HKEY key) { RegCloseKey(key); }
}  // namespace release

class RegistryKey : public Owned<NullIsInvalid<HKEY, &release::Key>> {
 public:
  using Owned::Owned;

  // Windows error code; access 0 is the plain open of RegOpenKeyA (the view
  // and rights of the calling program).
  LONG Open(HKEY root, const char* path, REGSAM access);
};

// Reads a string value (REG_SZ or REG_EXPAND_SZ, unexpanded) into a fixed
// field; name null reads the default value. A value of another type, or one
// that does not fit with its terminator, fails with an empty field; a stored
// string need not carry its terminator. Returns the Windows error code.
LONG ReadRegistryString(HKEY key, const char* name, char* field, size_t capacity);

template <size_t N>
LONG ReadRegistryString(HKEY key, const char* name, char (&field)[N]) {
  return ReadRegistryString(key, name, field, N);
}

}  // namespace zelva::win
