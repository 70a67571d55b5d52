#include "FallbackViews.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <string>

#include "TextDocument.h"

namespace zelva::document {
namespace {

HWND CreateChild(const wchar_t* type, const wchar_t* text, DWORD style, HWND parent, int id, const RECT& area,
                 HFONT font) {
  HWND child = CreateWindowExW(0, type, text, WS_CHILD | WS_VISIBLE | style, area.left, area.top,
                               area.right - area.left, area.bottom - area.top, parent,
                               reinterpret_cast<HMENU>(INT_PTR(id)), nullptr, nullptr);
  if (child != nullptr && font != nullptr) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return child;
}

}  // namespace

HWND CreateTextView(HWND parent, const RECT& area, const wchar_t* path, HFONT font) {
  std::string bytes;
  if (!ReadDocumentFile(path, kTextLimitBytes, bytes)) return nullptr;
  std::wstring text = DecodeDocumentText(bytes);
  HWND view = CreateChild(L"EDIT", L"",
                          WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, parent,
                          kTextViewId, area, font);
  if (view == nullptr) return nullptr;
  SendMessageW(view, EM_SETLIMITTEXT, WPARAM(text.size() + 1), 0);
  SendMessageW(view, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(8, 8));
  SetWindowTextW(view, text.c_str());
  // The scroll bar settles with the text; its frame is not repainted by itself.
  RedrawWindow(view, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  return view;
}

HWND CreateViewerLine(HWND parent, const RECT& area, const wchar_t* path, HFONT font) {
  INITCOMMONCONTROLSEX link = {sizeof(link), ICC_LINK_CLASS};
  InitCommonControlsEx(&link);
  std::wstring name = PathFindFileNameW(path);
  // The link's markup must not be opened or closed by the file's own name.
  for (wchar_t& c : name)
    if (c == L'<' || c == L'>') c = L'_';
  std::wstring line = L"\"" + name + L"\"";
  if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) {
    line += L" was not found.";
  } else {
    line += L" cannot be shown inside ZELVA Hangardesk. <a>Open it with the system's viewer</a>";
  }
  return CreateChild(WC_LINK, line.c_str(), WS_TABSTOP, parent, kViewerLineId, area, font);
}

void OnViewerLineNotify(HWND parent, const NMHDR& header, const wchar_t* path) {
  if (header.idFrom != UINT_PTR(kViewerLineId) || (header.code != NM_CLICK && header.code != NM_RETURN)) return;
  ShellExecuteW(parent, L"open", path, nullptr, nullptr, SW_SHOWDEFAULT);
}

}  // namespace zelva::document
