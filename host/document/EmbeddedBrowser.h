// The system's web browser control in an "AX" container, with the keyboard
// hook that lets shortcuts, Tab and arrows reach the page.
#pragma once

#include <windows.h>

namespace zelva::document {

constexpr wchar_t kWebBrowserClassId[] = L"{8856F961-340A-11D0-A96B-00C04FD705A2}";

// Whether the browser can render anything here: without the system's HTML
// engine the control opens but shows nothing.
bool HtmlEngineAvailable();

// Creates the container at `area` of the parent and navigates to the file.
// 0 on success, -1 when the container or the browser interface cannot be made.
int EmbedBrowser(HWND parent, const wchar_t* path, const RECT& area);

// Removes the hook, the browser and its container. Safe without a browser.
void RemoveBrowser();

// The browser's container window, or null.
HWND BrowserContainer();

// The innermost child at the container's top-left corner when its class is
// "Internet Explorer_Server", else null.
HWND FindBrowserServer(HWND container);

}  // namespace zelva::document
