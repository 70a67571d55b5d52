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
  DialogAnswerer(std::string caption, int buttonId, DWORD timeoutMs = 20000);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Waits for the answering thread; true when a dialog was found and answered.
  bool Wait();
  const std::string& text() const { return text_; }

 private:
  void Run();

  std::string caption_;
  int buttonId_;
  DWORD timeoutMs_;
  std::string text_;
  std::atomic<bool> answered_{false};
  std::thread thread_;
};

// Finds a visible top-level window of this process by caption, or null.
HWND FindOwnWindow(const char* caption);

}  // namespace zelva::testing
