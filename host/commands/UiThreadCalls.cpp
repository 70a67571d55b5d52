#include "UiThreadCalls.h"

#include "HostCommands.h"
#include "HostState.h"
#include "ZelvaContract.h"

namespace zelva::host {
namespace {
DWORD g_uiThread = 0;
}

void RememberUiThread() { g_uiThread = GetCurrentThreadId(); }

bool OnUiThread() { return GetCurrentThreadId() == g_uiThread; }

bool TouchesWindows(int32_t code) {
  switch (code) {
    case kHostAddPanel:
    case kHostRemovePanel:
    case kHostShowDocument:
    case kHostCloseDocument:
    case kHostSetNotificationCount:
    case kHostQueueHold:
    case kHostSubmitDownload:
    case kHostCreateHoverButton:
    case kHostMoveWindow:
    case kHostStartHostUpdate:
    case kHostShowChangelog:
      return true;
    default:
      return false;
  }
}

bool ForwardToUiThread(ForwardedCommand& call) {
  HWND main = Context().mainWindow;
  if (main == nullptr) return false;
  call.carriedOut = false;
  SendMessageA(main, kRunHostCommandMessage, 0, reinterpret_cast<LPARAM>(&call));
  return call.carriedOut;
}

void CarryOutForwarded(ForwardedCommand& call) {
  call.result = HostCommand(call.code, call.text, call.object);
  call.carriedOut = true;
}

void WaitAnsweringSentMessages(HANDLE handle) {
  for (;;) {
    DWORD woken = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE);
    if (woken != WAIT_OBJECT_0 + 1) return;  // signalled, or the wait failed
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace zelva::host
