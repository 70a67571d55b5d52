// The page's background thread: takes each catalogue entry's date and
// thumbnail from the cache, fetches what is missing or outdated from the
// server, and works out the update state. It ends when the page ends: the
// abort flag stops it between entries and cancels the read in progress, and
// the page waits for it; it is never terminated.
#pragma once

#include <windows.h>

#include "FetchCancel.h"
#include "Handles.h"

namespace zelva::module {

// Posted to the list when an entry changed (WM_APP + 4).
constexpr UINT kEntryChangedMessage = WM_APP + 4;

class ProcessingThread {
 public:
  ProcessingThread() = default;
  ~ProcessingThread() { Stop(); }
  ProcessingThread(const ProcessingThread&) = delete;
  ProcessingThread& operator=(const ProcessingThread&) = delete;

  bool Start(HWND list);
  // Aborts and waits; shows the host's working dialog while the wait lasts
  // longer than a moment.
  void Stop();
  bool running() const;
  HANDLE handle() const { return thread_.get(); }

 private:
  static DWORD WINAPI Run(void* parameter);
  void Process();

  win::KernelHandle thread_;
  FetchCancel cancel_;
  HWND list_ = nullptr;
};

}  // namespace zelva::module
