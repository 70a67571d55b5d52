// Owner of a library loaded at run time, with typed look-up of its entries.
#pragma once

#include <windows.h>

#include "Owned.h"

namespace zelva::win {

namespace release {
inline void Library(HMODULE library) { FreeLibrary(library); }
}  // namespace release

class Library : public Owned<NullIsInvalid<HMODULE, &release::Library>> {
 public:
  using Owned::Owned;

  // Loads the library by name unless one is held already; true when held.
  bool Load(const char* name) {
    if (!valid()) reset(LoadLibraryA(name));
    return valid();
  }
  bool loaded() const { return valid(); }

  // Stores the named entry point in out; false when it is missing.
  template <typename Function>
  bool Entry(const char* name, Function& out) const {
    out = valid() ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(get(), name))) : nullptr;
    return out != nullptr;
  }
};

}  // namespace zelva::win
