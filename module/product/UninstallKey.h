// An uninstall registry key of the product or an expansion, read as a 32-bit
// program sees it (the installers write the 32-bit view).
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

class UninstallKey {
 public:
  UninstallKey() = default;
  ~UninstallKey();
  UninstallKey(const UninstallKey&) = delete;
  UninstallKey& operator=(const UninstallKey&) = delete;

  // Windows error code of opening the key below HKEY_LOCAL_MACHINE.
  LONG Open(const char* path);
  // "DisplayVersion" into version; on failure the text is empty. A value
  // that is not a string, or does not fit with its terminator, fails.
  LONG ReadDisplayVersion(char (&version)[kVersionChars]) const;

 private:
  HKEY key_ = nullptr;
};

// kUninstallPrefix + guid, at most 299 characters.
void UninstallKeyPath(const char* guid, char (&path)[300]);

}  // namespace zelva::module
