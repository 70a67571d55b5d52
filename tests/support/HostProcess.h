// The real host program started in a program folder of a test's own, with a
// fresh user profile, and driven from outside as a user's system would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Handles.h"
#include "Registry.h"
#include "TestFolder.h"

namespace zelva::testing {

// Points the user's roaming application-data folder elsewhere while it lives.
class AppDataOverride {
 public:
  explicit AppDataOverride(const std::string& folder);
  ~AppDataOverride();
  AppDataOverride(const AppDataOverride&) = delete;
  AppDataOverride& operator=(const AppDataOverride&) = delete;

 private:
  win::RegistryKey key_;
  DWORD type_ = REG_EXPAND_SZ;
  char previous_[MAX_PATH] = {};
  bool hadPrevious_ = false;
};

// A started process; waits for it to end when destroyed. The host is watched
// until it shows a sign of life (a line in its log, a window): one that ends
// without either never started, and is started once more (SecondStarts.h).
class Process {
 public:
  Process(const std::string& program, const std::string& arguments, const std::string& folder);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return process_.valid(); }
  DWORD id() const { return id_; }
  // The exit code, or STILL_ACTIVE when it did not end in time.
  DWORD Wait(DWORD timeoutMs = 60000);

 private:
  bool Start(const std::string& commandLine, const std::string& folder);

  win::KernelHandle process_;
  DWORD id_ = 0;
};

// The configuration every installation starts with.
constexpr char kNoUpdateChecks[] = "[Online]\r\nCheckForUpdates=0\r\n";

// A program folder with the host, its settings module and chosen libraries,
// and a profile of its own, which the user's system points at while it lives.
class HostInstallation {
 public:
  HostInstallation();
  void AddLibrary(const std::string& builtPath, const std::string& asName);

  const std::string& programFolder() const { return program_.path(); }
  std::string programPath() const { return program_ / "ZELVA Hangardesk.exe"; }
  std::string dataFolder() const { return roaming_ + "\\ZELVA\\ZELVA Hangardesk\\"; }
  std::string Log() const { return ReadWholeFile(dataFolder() + "ZELVA Hangardesk.log"); }
  const std::string& roaming() const { return roaming_; }

 private:
  TestFolder program_, profile_;
  std::string roaming_ = profile_ / "Roaming";
  AppDataOverride appData_{roaming_};
};

// Waits until a window of the process with the caption is shown.
HWND WaitForWindow(const char* caption, DWORD process, DWORD timeoutMs = 30000);
inline HWND WaitForMainWindow(DWORD process) { return WaitForWindow("ZELVA Hangardesk", process, 60000); }
// Waits until the log holds the text; true when it came.
bool WaitForLog(const HostInstallation& host, const std::string& text, DWORD timeoutMs = 30000);
// Polls until the condition holds; true when it came before the deadline.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 30000) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (; GetTickCount64() < deadline; Sleep(20))
    if (condition()) return true;
  return condition();
}
size_t CountOf(const std::string& text, const std::string& part, size_t from = 0);
RECT ScreenRect(HWND window);
// A button click, posted as a user's would arrive.
void Click(HWND dialog, int button);
// A choice in the main window's product list, as a click on the item ends in.
void ChooseProduct(HWND main, int index);
// Clicks Close, and again each time the host refuses it because work it set
// off by itself (a look at the folders after a download, say) holds the
// working dialog; gives up after the deadline.
void CloseHost(HWND main, const HostInstallation& host, DWORD timeoutMs = 60000);

}  // namespace zelva::testing
