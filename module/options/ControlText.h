// The whole text of a control, however long.
#pragma once

#include <windows.h>

#include <string>

namespace zelva::module {

inline std::string ControlText(HWND window) {
  int length = GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::string text(size_t(length) + 1, '\0');
  int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(size_t(copied > 0 ? copied : 0));
  return text;
}

}  // namespace zelva::module
