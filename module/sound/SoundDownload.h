// Downloads of sound packages through the host's download manager (host
// command 21), and what happens when one ends: the package goes to the
// host's package processor (host command 1), its working folder goes after
// it, and an open Sound Settings page looks at the folders again.
#pragma once

#include <windows.h>

#include <string>

#include "ZelvaContract.h"

namespace zelva::module {

// Posted to the page when a record's download has ended or its package has
// been installed; wParam is its index.
constexpr UINT kSoundSetChangedMessage = WM_APP + 41;

// The window told about those; null when no page is open.
void SetSoundPageWindow(HWND page);
// Clears it only when it is still page.
void ForgetSoundPageWindow(HWND page);
// From any thread: an open page looks at the record's folders again.
void TellSoundPage(int index);

// On the page's thread. Starts the record's download; false (after telling
// the user why) when it could not start.
bool StartSoundDownload(int index);
// Asks, then cancels the record's download.
void AbortSoundDownload(int index);

bool SoundDownloadRunning(int index);

// What the page shows of a running download.
struct SoundDownloadProgress {
  bool running = false;
  uint32_t received = 0;
  uint32_t expected = 0;
  std::string status;
};
SoundDownloadProgress ProgressOfSoundDownload(int index);

// The request's completion callback.
extern "C" void __cdecl OnSoundDownloadEnded(DownloadRequest* request, int32_t state);

}  // namespace zelva::module
