// The records carry single-byte text in the system code page; drawing is wide.
#pragma once

#include <string>

namespace zelva::settings {

std::wstring Widen(const char* text);

}  // namespace zelva::settings
