// Answers a real message box or dialog from another thread: waits for a
// top-level dialog with the caption, remembers its text, presses a button.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace zelva::testing {

class DialogAnswerer {
 public:
  // process 0: this process.
  DialogAnswerer(std::string caption, int buttonId, DWORD timeoutMs = 20000, DWORD process = 0);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Waits for the answering thread; true when a dialog was found and answered.
  bool Wait();
  // The same, while this thread keeps dispatching its messages: the answerer
  // reads the captions of this thread's windows, also when no question came.
  bool WaitPumping();
  const std::string& text() const { return text_; }

 private:
  void Run();

  std::string caption_;
  int buttonId_;
  DWORD timeoutMs_;
  DWORD process_;
  std::string text_;
  std::atomic<bool> answered_{false};
  std::thread thread_;
};

// Dispatches every message waiting for this thread.
void PumpMessages();

// Finds a visible top-level window of a process (0: this one) by caption, or null.
HWND FindProcessWindow(const char* caption, DWORD process = 0);

}  // namespace zelva::testing
