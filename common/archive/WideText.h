// Conversions between the decoder's byte strings and the wide names of the
// file system.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace Cabinet {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide names are UTF-16");

std::wstring WideFromBytes(std::string_view text, UINT codePage);
std::string BytesFromWide(std::wstring_view text, UINT codePage);

inline std::u16string_view AsUtf16(std::wstring_view text) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size());
}
inline std::wstring_view AsWide(std::u16string_view text) {
  return std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

}  // namespace Cabinet
