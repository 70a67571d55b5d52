// The UI thread's mouse hook: reports the window under the pointer to the
// main window and lets module pages scroll with the wheel without the focus.
#include "Handles.h"
#include "HostResources.h"
#include "MainWindow.h"

namespace zelva::ui {
namespace {

win::HookHandle g_hook;

bool InsideContentArea(HWND main, POINT screenPoint) {
  RECT area;
  HWND content = GetDlgItem(main, IDC_CONTENT_AREA);
  return content != nullptr && GetWindowRect(content, &area) && PtInRect(&area, screenPoint);
}

LRESULT CALLBACK MouseProcedure(int code, WPARAM message, LPARAM l) {
  MainWindow* main = TheMainWindow();
  if (code >= 0 && main != nullptr && main->window() != nullptr) {
    const auto* mouse = reinterpret_cast<const MOUSEHOOKSTRUCTEX*>(l);
    if (message == WM_MOUSEMOVE && !main->IsDragging()) {
      PostMessageA(main->window(), kHoverReportMessage, reinterpret_cast<WPARAM>(mouse->hwnd), 0);
    } else if (message == WM_MOUSEWHEEL && main->IsProductCurrent() && main->hoverWindow() != nullptr &&
               InsideContentArea(main->window(), mouse->pt)) {
      SendMessageA(main->hoverWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, HIWORD(mouse->mouseData)),
                   MAKELPARAM(mouse->pt.x, mouse->pt.y));
      return 1;
    }
  }
  return CallNextHookEx(g_hook.get(), code, message, l);
}

}  // namespace

void InstallMouseHook() { g_hook.reset(SetWindowsHookExA(WH_MOUSE, &MouseProcedure, nullptr, GetCurrentThreadId())); }

void RemoveMouseHook() {
  g_hook.reset();
}

}  // namespace zelva::ui
