#include "PackageSettings.h"

#include <windows.h>

#include <vector>

#include "PackageReader.h"

namespace zelva::host {

PackageSettings::~PackageSettings() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

void PackageSettings::Text(const char* section, const char* key, const char* fallback, char* output,
                           size_t capacity) const {
  GetPrivateProfileStringA(section, key, fallback, output, DWORD(capacity), path_.c_str());
}

std::wstring PackageSettings::WideText(const char* section, const char* key, size_t capacity) const {
  std::vector<wchar_t> buffer(capacity + 1, L'\0');
  GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"", buffer.data(), DWORD(capacity),
                           Wide(path_.c_str()).c_str());
  return buffer.data();
}

int PackageSettings::Integer(const char* section, const char* key, int fallback) const {
  return int(GetPrivateProfileIntA(section, key, fallback, path_.c_str()));
}

}  // namespace zelva::host
