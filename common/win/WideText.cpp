#include "WideText.h"

#include <climits>

namespace zelva::win {

std::wstring WideFromBytes(std::string_view text, UINT codePage, DWORD flags) {
  if (text.empty() || text.size() > size_t(INT_MAX)) return std::wstring();
  int length = MultiByteToWideChar(codePage, flags, text.data(), int(text.size()), nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), int(text.size()), wide.data(), length);
  return wide;
}

std::string BytesFromWide(std::wstring_view text, UINT codePage) {
  if (text.empty() || text.size() > size_t(INT_MAX)) return std::string();
  int length = WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string bytes(size_t(length), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace zelva::win
