// The host's one document window: shown by host command 15 and the host's own
// manual and changelog, closed by "Back" or host command 16. While it is open
// the host is held busy, so package requests wait.
#pragma once

#include <windows.h>

#include <string>

namespace zelva::document {

// Host command 15: the text holds the wide path, its NUL, then the wide
// title; a non-null object asks for the floating window.
INT_PTR ShowDocumentCommand(const char* text, void* object);

// The text of host command 15 for a path in the system code page; empty when
// the path cannot be converted.
std::wstring ShowDocumentRequest(const char* path, const wchar_t* title);

// Replaces any open document; needs the main window.
void ShowDocument(const wchar_t* path, const wchar_t* title, bool floating);

// Closes the document and releases the host's hold; nothing without one.
void CloseDocument();

// Destroys the document without releasing the hold, for the host's shutdown.
void DiscardDocument();

// Follows the main window: over it when floating, filling the content area otherwise.
void PlaceDocument();

HWND DocumentWindowHandle();

// Called by the window as it is destroyed.
void DocumentWindowGone(HWND window);

}  // namespace zelva::document
