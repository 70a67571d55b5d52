#include "LiveryFiles.h"

#include <cstdio>
#include <cstring>

#include "PackageValues.h"

namespace zelva::module {

std::string EntrySection(int entry) {
  char section[24];
  std::snprintf(section, sizeof(section), "fltsim.%01d", entry);
  return section;
}

bool IsSafeFileName(const char* value) {
  return text::IsSafeName(value) && std::strpbrk(value, "*?\"<>|") == nullptr;
}

int AskUser(const char* text, const char* caption, UINT style) {
  const HostContext* host = Host();
  return MessageBoxA(host != nullptr ? host->mainWindow : nullptr, text, caption, style);
}

bool ClearReadOnly(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
  return SetFileAttributesA(path, attributes & ~DWORD(FILE_ATTRIBUTE_READONLY)) != 0;
}

}  // namespace zelva::module
