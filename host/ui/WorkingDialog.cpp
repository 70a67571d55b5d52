#include "WorkingDialog.h"

#include <atomic>
#include <utility>

#include "CommandQueueService.h"
#include "Handles.h"
#include "HostResources.h"
#include "HostState.h"
#include "ObjectWindow.h"

namespace zelva::ui {
namespace {

constexpr DWORD kMutexWaitMs = 500;
// A layout request for a dialog that never opens must not hang its caller.
constexpr DWORD kLayoutWaitLimitMs = 10000;
constexpr UINT kCloseMessage = WM_APP + 10;
constexpr UINT_PTR kRepaintTimer = 1;

win::KernelHandle g_workMutex;
std::atomic<HWND> g_dialog{nullptr};

// Waits for the mutex; true when this thread now holds it.
bool TakeWorkMutex() {
  if (!g_workMutex) return false;
  DWORD waited = WaitForSingleObject(g_workMutex.get(), kMutexWaitMs);
  return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

// Waits for the mutex and gives it back: a dialog being created then exists.
void PassWorkMutex() {
  if (TakeWorkMutex()) ReleaseMutex(g_workMutex.get());
}

class WorkingDialog : public ui::ObjectWindow<WorkingDialog> {
 public:
  // holdsMutex: the opening thread took the work mutex and gives it back once
  // the dialog exists.
  explicit WorkingDialog(bool holdsMutex) : holdsMutex_(holdsMutex) {}

  INT_PTR OnMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
      case WM_INITDIALOG:
        OnOpen();
        return TRUE;
      case WM_TIMER:
        RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        return TRUE;
      case kCloseMessage:
        OnClose();
        return TRUE;
      case WM_COMMAND:
        return TRUE;  // neither Enter nor Esc ends the work
    }
    return FALSE;
  }

 private:
  void OnOpen() {
    g_dialog = window();
    for (int id : {IDC_WORKING_LINE1, IDC_WORKING_LINE2, IDC_WORKING_LINE3}) SetDlgItemTextA(window(), id, "");
    if (std::exchange(holdsMutex_, false)) ReleaseMutex(g_workMutex.get());
    SetTimer(window(), kRepaintTimer, 100, nullptr);
  }
  void OnClose() {
    g_dialog = nullptr;
    KillTimer(window(), kRepaintTimer);
    EndDialog(window(), 1);
  }

  bool holdsMutex_;
};

}  // namespace

void CreateWorkMutex() { g_workMutex.reset(CreateMutexA(nullptr, FALSE, "ZELVA Working")); }
void CloseWorkMutex() { g_workMutex.reset(); }

extern "C" void __cdecl CloseWorkingDialog(void) {
  // A dialog still being created exists once the mutex comes free.
  PassWorkMutex();
  HWND dialog = g_dialog.exchange(nullptr);
  if (dialog != nullptr) PostMessageA(dialog, kCloseMessage, 0, 0);
}

extern "C" void __cdecl RunWorkingDialog(void) {
  host::HoldQueue();
  bool holdsMutex = TakeWorkMutex();
  if (g_dialog.load() == nullptr) {
    WorkingDialog dialog(holdsMutex);
    DialogBoxParamA(host::Context().hostInstance, MAKEINTRESOURCEA(IDD_WORKING), host::Context().mainWindow,
                    &WorkingDialog::DialogProcedure, reinterpret_cast<LPARAM>(&dialog));
    holdsMutex = false;  // given back when the dialog opened
  }
  if (holdsMutex) ReleaseMutex(g_workMutex.get());
  host::ReleaseQueue();
}

extern "C" void __cdecl SetWorkingDialogText(int32_t line, const char* text) {
  PassWorkMutex();
  HWND dialog = g_dialog;
  if (dialog == nullptr || line < 1 || line > 3 || text == nullptr) return;
  int id = IDC_WORKING_LINE1 + line - 1;
  char current[512] = {};
  GetDlgItemTextA(dialog, id, current, sizeof(current));
  if (lstrcmpiA(current, text) != 0) SetDlgItemTextA(dialog, id, text);
}

extern "C" void __cdecl SetWorkingDialogLayout(int32_t mode) {
  for (DWORD waited = 0; g_dialog.load() == nullptr; waited += 10) {
    if (waited >= kLayoutWaitLimitMs) return;
    Sleep(10);
  }
  PassWorkMutex();
  HWND dialog = g_dialog;
  if (dialog == nullptr || (mode != 1 && mode != 2)) return;
  // Lines keep their size; the ones not shown move out of sight.
  const int y1 = mode == 1 ? 43 : 26;
  const int x2 = mode == 1 ? 1000 : 0;
  const int y2 = 60;
  HWND line1 = GetDlgItem(dialog, IDC_WORKING_LINE1), line2 = GetDlgItem(dialog, IDC_WORKING_LINE2),
       line3 = GetDlgItem(dialog, IDC_WORKING_LINE3);
  SetWindowPos(line1, nullptr, 0, y1, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(line2, nullptr, x2, y2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(line3, nullptr, 1000, y2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  for (HWND line : {line1, line2, line3}) InvalidateRect(line, nullptr, TRUE);
  InvalidateRect(dialog, nullptr, TRUE);
}

bool IsWorkingDialogOpen() { return g_dialog.load() != nullptr; }

}  // namespace zelva::ui
