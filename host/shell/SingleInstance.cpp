#include "SingleInstance.h"

#include <cstring>
#include <string>

#include "HostLog.h"
#include "HostState.h"
#include "PendingCommandQueue.h"
#include "UpdaterDownload.h"

namespace zelva::host {
namespace {

constexpr char kMainWindowCaption[] = "ZELVA Hangardesk";

// The first instance may still be loading; one that never shows its window
// (stuck, or ending) must not keep this one waiting for ever.
constexpr ULONGLONG kFirstWindowWaitMs = 20000;

bool ForwardToFirstInstance(const char* commandLine) {
  HostLog("Finding existing Hangardesk\n");
  HWND first = nullptr;
  const ULONGLONG deadline = GetTickCount64() + kFirstWindowWaitMs;
  while ((first = FindWindowA(nullptr, kMainWindowCaption)) == nullptr) {
    if (GetTickCount64() >= deadline) {
      HostLog("Existing Hangardesk shows no window; the command is dropped\n");
      return false;
    }
    Sleep(50);
  }
  std::string text = std::string(commands::kOpenPackagePrefix) + commandLine;
  HostLog("Sending command to existing Hangardesk\n");
  COPYDATASTRUCT data = {};
  data.dwData = 0;
  data.cbData = DWORD(text.size() + 1);
  data.lpData = text.data();
  SendMessageA(first, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  return true;
}

}  // namespace

bool ClaimFirstInstance(win::KernelHandle& mutex) {
  HANDLE created = CreateMutexA(nullptr, TRUE, "ZELVA Hangardesk");
  const DWORD error = GetLastError();
  mutex.reset(created);
  if (!mutex) {
    HostLog("\nError creating mutex\n");
    return true;
  }
  if (error != ERROR_ALREADY_EXISTS) return true;
  HostLog("\nMutex already exists\n");
  return false;
}

const char* ExpectedUpdaterChecksum(const char* commandLine) {
  const char* marker = std::strstr(commandLine, "-MD5:");
  return marker != nullptr ? marker + 5 : "";
}

int RunSecondInstance(const char* commandLine) {
  if (commandLine[0] == '\0') {
    HostLog("Hangardesk already running normally.\nExiting.\n");
    MessageBoxA(nullptr, "The ZELVA Hangardesk is already running!", "Error", MB_OK);
    return 0;
  }
  HostLog("Command Line: %s\n", commandLine);
  if (std::strstr(commandLine, "-DownloadUpdater") != nullptr) {
    HostLog("Getting new updater and exiting\n");
    return DownloadUpdater(Context(), ExpectedUpdaterChecksum(commandLine));
  }
  return ForwardToFirstInstance(commandLine) ? 0 : 1;
}

}  // namespace zelva::host
