// Host commands that touch windows run on the UI thread, whichever thread
// calls them: a module's worker (a download's completion callback above all)
// has them carried out there through the main window and waits for the result.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zelva::host {

constexpr UINT kRunHostCommandMessage = WM_APP + 4;

struct ForwardedCommand {
  int32_t code;
  const char* text;
  void* object;
  INT_PTR result;
  bool carriedOut;
};

// The thread that runs the windows; noted when the host context is reset.
void RememberUiThread();
bool OnUiThread();

bool TouchesWindows(int32_t code);

// Sends the command to the main window's thread; false when there is no
// main window to carry it out.
bool ForwardToUiThread(ForwardedCommand& call);
// The main window's side of it.
void CarryOutForwarded(ForwardedCommand& call);

// Waits for a handle while answering what other threads send to this one, so
// a worker that forwards a command never waits on a thread that waits on it.
void WaitAnsweringSentMessages(HANDLE handle);

}  // namespace zelva::host
