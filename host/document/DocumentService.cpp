#include "DocumentService.h"

#include <cwchar>
#include <memory>
#include <string>

#include "CommandQueueService.h"
#include "DocumentWindow.h"
#include "HostResources.h"
#include "HostState.h"
#include "WideText.h"

namespace zelva::document {
namespace {

// Longest wide path and title taken from a module.
constexpr size_t kPathLimit = 32767;
constexpr size_t kTitleLimit = 255;

HWND g_window = nullptr;
bool g_floating = false;

bool DestroyCurrent() {
  HWND window = g_window;
  if (window == nullptr) return false;
  g_window = nullptr;
  DestroyWindow(window);
  return true;
}

void Place(bool onTop) {
  HWND main = host::Context().mainWindow;
  if (g_window == nullptr || main == nullptr) return;
  UINT flags = SWP_NOACTIVATE | (onTop ? 0 : SWP_NOZORDER);
  if (g_floating) {
    RECT r;
    GetWindowRect(main, &r);
    SetWindowPos(g_window, nullptr, r.left + 10, r.top + 10, (r.right - 8) - (r.left + 10),
                 (r.bottom - 4) - (r.top + 10), flags | SWP_NOZORDER);
  } else {
    RECT area;
    GetClientRect(GetParent(g_window), &area);
    SetWindowPos(g_window, HWND_TOP, 0, 0, area.right, area.bottom, flags);
  }
}

}  // namespace

INT_PTR ShowDocumentCommand(const char* text, void* object) {
  if (text == nullptr) return kResultDeclined;
  const auto* path = reinterpret_cast<const wchar_t*>(text);
  size_t pathLength = wcsnlen(path, kPathLimit + 1);
  if (pathLength == 0 || pathLength > kPathLimit) return kResultDeclined;
  const wchar_t* title = path + pathLength + 1;
  std::wstring ownPath(path, pathLength), ownTitle(title, wcsnlen(title, kTitleLimit));
  ShowDocument(ownPath.c_str(), ownTitle.c_str(), object != nullptr);
  return kResultDone;
}

std::wstring ShowDocumentRequest(const char* path, const wchar_t* title) {
  std::wstring request = win::WideFromAnsi(path);
  if (request.empty()) return request;
  request.push_back(L'\0');
  return request.append(title != nullptr ? title : L"");
}

void ShowDocument(const wchar_t* path, const wchar_t* title, bool floating) {
  const HostContext& context = host::Context();
  if (context.mainWindow == nullptr) return;
  // Held before the replaced document lets go, so no queued package runs in between.
  host::HoldQueue();
  if (DestroyCurrent()) host::ReleaseQueue();

  HINSTANCE instance = context.hostInstance ? context.hostInstance : GetModuleHandleA(nullptr);
  HWND parent = floating ? context.mainWindow : GetDlgItem(context.mainWindow, IDC_CONTENT_AREA);
  HWND window = DocumentWindow::CreateOwnedDialog(
      std::make_unique<DocumentWindow>(), instance, MAKEINTRESOURCEW(floating ? IDD_DOCUMENT_FLOATING : IDD_DOCUMENT),
      parent);
  if (window == nullptr) {
    host::ReleaseQueue();  // nothing shown, nothing to wait for
    return;
  }
  g_window = window;
  g_floating = floating;
  SetWindowTextW(window, title);
  Place(true);
  ShowWindow(window, SW_SHOW);
  SendMessageW(window, kOpenDocumentMessage, 0, reinterpret_cast<LPARAM>(path));
}

void CloseDocument() {
  if (DestroyCurrent()) host::ReleaseQueue();
}

void DiscardDocument() { DestroyCurrent(); }

void PlaceDocument() { Place(false); }

HWND DocumentWindowHandle() { return g_window; }

void DocumentWindowGone(HWND window) {
  if (g_window == window) g_window = nullptr;
}

}  // namespace zelva::document
