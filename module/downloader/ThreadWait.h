// The page's thread waiting for one of its workers: workers set the host's
// working-dialog lines and may show message boxes owned by the main window,
// and both are messages sent to the page's thread. Answering them while
// waiting keeps the two from waiting for each other.
#pragma once

#include <windows.h>

namespace zelva::module {

inline void WaitAnsweringSentMessages(HANDLE handle) {
  for (;;) {
    DWORD woken = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_SENDMESSAGE);
    if (woken != WAIT_OBJECT_0 + 1) return;  // signalled, or the wait failed
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace zelva::module
