// Owner of a library loaded by name at run time.
#pragma once

#include <windows.h>

namespace Cabinet {

class LibraryHandle {
 public:
  LibraryHandle() = default;
  ~LibraryHandle() { Release(); }
  LibraryHandle(const LibraryHandle&) = delete;
  LibraryHandle& operator=(const LibraryHandle&) = delete;

  bool Load(const char* name) {
    if (module_ == nullptr) module_ = LoadLibraryA(name);
    return module_ != nullptr;
  }
  void Release() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
  }
  bool loaded() const { return module_ != nullptr; }

  // Stores the named entry point in out; false when it is missing.
  template <typename Function>
  bool Entry(const char* name, Function& out) const {
    out = module_ != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)))
                             : nullptr;
    return out != nullptr;
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace Cabinet
