#include "TextConversion.h"

#include <windows.h>

#include <cstring>

namespace zelva::settings {

std::wstring Widen(const char* text) {
  if (text == nullptr || *text == '\0') return {};
  int length = static_cast<int>(std::strlen(text));
  int wide = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
  if (wide <= 0) return {};
  std::wstring result(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, length, result.data(), wide);
  return result;
}

}  // namespace zelva::settings
