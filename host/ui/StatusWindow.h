// The loading window with the turning image, on a thread of its own.
#pragma once

#include <windows.h>

namespace zelva::ui {

// Starts the window's thread and waits until the window exists (or failed).
void StartStatusWindow(HINSTANCE instance);
void SetStatusText(const char* text);
void CloseStatusWindow();

// The window handle while it exists; null before, -1 after it ended.
HWND StatusWindowHandle();

}  // namespace zelva::ui
