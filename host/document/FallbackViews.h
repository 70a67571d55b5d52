// What the document window shows where no browser renders the file: text
// files in a read-only text view, other files as one line that offers the
// system's viewer.
#pragma once

#include <windows.h>

namespace zelva::document {

constexpr int kTextViewId = 1101;
constexpr int kViewerLineId = 1102;
constexpr size_t kTextLimitBytes = 4u << 20;

// A read-only, scrollable view of the text file; null when it cannot be read.
HWND CreateTextView(HWND parent, const RECT& area, const wchar_t* path, HFONT font);

// "<name>" cannot be shown here, with a link that opens it in the system's
// viewer; a missing file is named as missing, without the link.
HWND CreateViewerLine(HWND parent, const RECT& area, const wchar_t* path, HFONT font);

// Opens the file with the system's viewer when the line's link is used.
void OnViewerLineNotify(HWND parent, const NMHDR& header, const wchar_t* path);

}  // namespace zelva::document
