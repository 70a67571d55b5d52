// Registry values a test sets up; the keys it created are removed again.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Registry.h"

namespace zelva::testing {

class RegistryScope {
 public:
  RegistryScope() = default;
  ~RegistryScope();
  RegistryScope(const RegistryScope&) = delete;
  RegistryScope& operator=(const RegistryScope&) = delete;

  // view: 0, KEY_WOW64_32KEY or KEY_WOW64_64KEY. A null name sets the default value.
  void SetString(HKEY root, const std::string& path, const char* name, const std::string& value, REGSAM view = 0);
  void SetNumber(HKEY root, const std::string& path, const char* name, DWORD value, REGSAM view = 0);

 private:
  win::RegistryKey Create(HKEY root, const std::string& path, REGSAM view);

  struct Created {
    HKEY root;
    std::string path;
    REGSAM view;
  };
  std::vector<Created> created_;
};

}  // namespace zelva::testing
