// The crash report window (dialog 1018): the report to read and copy, and "Exit".
#pragma once

#include <windows.h>

namespace zelva::crash {

// Shows the report modally, owned by `owner`; returns when the user closes it.
void ShowCrashDialog(HINSTANCE instance, HWND owner, const char* report);

}  // namespace zelva::crash
