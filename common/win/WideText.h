// The one conversion between single-byte text (the system code page, UTF-8
// or any other) and the wide text of drawing and the file system.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zelva::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide text is UTF-16");

// Empty for empty text and for text the code page rejects (with
// MB_ERR_INVALID_CHARS among the flags).
std::wstring WideFromBytes(std::string_view text, UINT codePage = CP_ACP, DWORD flags = 0);
std::string BytesFromWide(std::wstring_view text, UINT codePage = CP_ACP);

// Null-safe forms for the single-byte fields of the records.
inline std::wstring WideFromAnsi(const char* text) {
  return text != nullptr ? WideFromBytes(text, CP_ACP) : std::wstring();
}
inline std::string Utf8FromWide(const wchar_t* text) {
  return text != nullptr ? BytesFromWide(text, CP_UTF8) : std::string();
}

// The portable code's view of the same characters.
inline std::u16string_view AsUtf16(std::wstring_view text) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size());
}
inline std::wstring_view AsWide(std::u16string_view text) {
  return std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

}  // namespace zelva::win
