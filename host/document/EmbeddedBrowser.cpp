#include "EmbeddedBrowser.h"

#include <exdisp.h>
#include <ole2.h>

#include "BrowserContainer.h"
#include "ComPointer.h"
#include "Handles.h"
#include "HostState.h"

namespace zelva::document {
namespace {

// The HTML document class of the system's browser engine.
constexpr CLSID kHtmlDocumentClass = {0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

HWND g_container = nullptr;
HWND g_server = nullptr;
win::HookHandle g_keyboardHook;
win::ComPointer<IWebBrowser2> g_browser;

HINSTANCE Instance() {
  HINSTANCE instance = host::Context().hostInstance;
  return instance != nullptr ? instance : GetModuleHandleA(nullptr);
}

void PassToPage(MSG& message) {
  win::ComPointer<IOleInPlaceActiveObject> active;
  SendMessageA(g_container, kContainerQueryMessage, reinterpret_cast<WPARAM>(&IID_IOleInPlaceActiveObject),
               reinterpret_cast<LPARAM>(active.receiveVoid()));
  // A key the page has translated must not be dispatched a second time.
  if (active && active->TranslateAccelerator(&message) == S_OK) message.message = WM_NULL;
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM removal, LPARAM l) {
  if (code >= 0 && removal == PM_REMOVE && g_container != nullptr) {
    auto& message = *reinterpret_cast<MSG*>(l);
    if (g_server == nullptr) g_server = FindBrowserServer(g_container);
    if (g_server != nullptr && message.hwnd == g_server && message.message >= WM_KEYFIRST &&
        message.message <= WM_KEYLAST)
      PassToPage(message);
  }
  return CallNextHookEx(g_keyboardHook.get(), code, removal, l);
}

}  // namespace

bool HtmlEngineAvailable() {
  static const bool available = [] {
    win::ComPointer<IUnknown> document;
    return SUCCEEDED(
        CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, document.receiveVoid()));
  }();
  return available;
}

HWND FindBrowserServer(HWND container) {
  if (container == nullptr) return nullptr;
  HWND window = container;
  for (HWND child = ChildWindowFromPoint(window, POINT{0, 0}); child != nullptr && child != window;
       child = ChildWindowFromPoint(window, POINT{0, 0}))
    window = child;
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return lstrcmpiA(name, "Internet Explorer_Server") == 0 ? window : nullptr;
}

int EmbedBrowser(HWND parent, const wchar_t* path, const RECT& area) {
  RemoveBrowser();
  if (!RegisterContainerClass(Instance())) return -1;
  g_container = CreateWindowExW(0, L"AX", kWebBrowserClassId, WS_CHILD | WS_VISIBLE | WS_BORDER, area.left,
                                area.top, area.right - area.left, area.bottom - area.top, parent, nullptr,
                                Instance(), nullptr);
  if (g_container == nullptr) return -1;
  SendMessageA(g_container, kContainerActivateMessage, 1, 0);
  SendMessageA(g_container, kContainerQueryMessage, reinterpret_cast<WPARAM>(&IID_IWebBrowser2),
               reinterpret_cast<LPARAM>(g_browser.receiveVoid()));
  if (!g_browser) {
    RemoveBrowser();
    return -1;
  }
  BSTR url = SysAllocString(path);
  VARIANT none;
  VariantInit(&none);
  g_browser->Navigate(url, &none, &none, &none, &none);
  SysFreeString(url);
  g_keyboardHook.reset(SetWindowsHookExA(WH_GETMESSAGE, &KeyboardHook, nullptr, GetCurrentThreadId()));
  return 0;
}

void RemoveBrowser() {
  g_keyboardHook.reset();
  g_browser.reset();
  HWND container = g_container;
  g_container = g_server = nullptr;
  if (container != nullptr) {
    SendMessageA(container, kContainerActivateMessage, 0, 0);
    DestroyWindow(container);
  }
}

HWND BrowserContainer() { return g_container; }

}  // namespace zelva::document
