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

void ForwardToFirstInstance(const char* commandLine) {
  HostLog("Finding existing Hangardesk\n");
  HWND first = nullptr;
  while ((first = FindWindowA(nullptr, kMainWindowCaption)) == nullptr) Sleep(50);
  std::string text = std::string(commands::kOpenPackagePrefix) + commandLine;
  HostLog("Sending command to existing Hangardesk\n");
  COPYDATASTRUCT data = {};
  data.dwData = 0;
  data.cbData = DWORD(text.size() + 1);
  data.lpData = text.data();
  SendMessageA(first, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
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
  ForwardToFirstInstance(commandLine);
  return 0;
}

}  // namespace zelva::host
