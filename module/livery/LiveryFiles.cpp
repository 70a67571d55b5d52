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
  if (!text::IsSafeName(value) || std::strpbrk(value, "*?\"<>|") != nullptr) return false;
  // The file system drops trailing dots and blanks, so "texture." + "..." would
  // name the aircraft's own "texture" folder.
  size_t length = std::strlen(value);
  return std::strstr(value, "..") == nullptr && value[length - 1] != '.' && value[length - 1] != ' ';
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
