#include "LiveryFiles.h"

#include <cstdio>
#include <cstring>

#include "Handles.h"
#include "PackageValues.h"

namespace zelva::module {

std::string EntrySection(int entry) {
  char section[24];
  std::snprintf(section, sizeof(section), "fltsim.%01d", entry);
  return section;
}

bool ReadFileUpTo(const char* path, size_t limit, std::string& bytes) {
  bytes.clear();
  win::FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file.valid() || !GetFileSizeEx(file.get(), &size)) return false;
  bytes.resize(ULONGLONG(size.QuadPart) < limit ? size_t(size.QuadPart) : limit);
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    DWORD want = bytes.size() - done < 0x10000000 ? DWORD(bytes.size() - done) : 0x10000000;
    if (!ReadFile(file.get(), &bytes[done], want, &read, nullptr) || read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return true;
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
