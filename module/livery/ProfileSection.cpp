#include "ProfileSection.h"

#include <windows.h>

#include <vector>

namespace zelva::module {

std::string ReadProfileSection(const char* path, const char* section) {
  // A full buffer reports its size less two; only then may more be waiting.
  for (DWORD size = 32 * 1024;; size *= 2) {
    std::vector<char> buffer(size);
    DWORD length = GetPrivateProfileSectionA(section, buffer.data(), size, path);
    if (length + 2 < size || size >= (DWORD(1) << 30)) return std::string(buffer.data(), length);
  }
}

std::string ReadProfileValue(const char* path, const char* section, const char* key, size_t chars) {
  std::vector<char> buffer(chars + 1, '\0');
  GetPrivateProfileStringA(section, key, "", buffer.data(), DWORD(chars), path);
  return std::string(buffer.data());
}

}  // namespace zelva::module
