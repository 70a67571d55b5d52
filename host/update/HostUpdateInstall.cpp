#include "HostUpdateInstall.h"

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "Handles.h"
#include "HostLog.h"
#include "HostResources.h"
#include "HostUpdateCheck.h"
#include "UpdateList.h"
#include "UiThreadCalls.h"
#include "UpdaterDownload.h"

namespace zelva::host {
namespace {

bool g_installing = false;
bool g_startPending = false;

void Warn(const HostContext& context, const char* text) {
  MessageBoxA(context.mainWindow, text, "Error!", MB_OK | MB_ICONWARNING);
}

// The host again, elevated, fetches the updater; its exit code says whether
// it succeeded.
bool DownloadUpdaterElevated(const char* digest) {
  char self[kPathChars] = {};
  if (GetModuleFileNameA(nullptr, self, sizeof(self)) == 0) return false;
  char parameters[80];
  std::snprintf(parameters, sizeof(parameters), "-DownloadUpdater -MD5:%s", digest);
  SHELLEXECUTEINFOA start = {};
  start.cbSize = sizeof(start);
  start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  start.lpVerb = "runas";
  start.lpFile = self;
  start.lpParameters = parameters;
  start.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&start) || start.hProcess == nullptr) {
    HostLog("\tElevated updater download not started: %d\n", int(GetLastError()));
    return false;
  }
  win::KernelHandle process(start.hProcess);
  // A download's worker may need this thread meanwhile (host commands it forwards).
  WaitAnsweringSentMessages(process.get());
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  HostLog("\tElevated updater download ended with %d\n", int(code));
  return code != 0;
}

bool ObtainNewUpdater(HostContext& context, HostUpdateOffer& offer) {
  if (!offer.newUpdater) return true;
  bool fetched = context.isAdministrator ? DownloadUpdater(context, offer.updaterDigest) == 1
                                         : DownloadUpdaterElevated(offer.updaterDigest);
  if (fetched) offer.newUpdater = false;
  return fetched;
}

std::string UpdaterPath(const HostContext& context) {
  return std::string(context.programFolder) + update::kUpdaterFileName;
}

}  // namespace

void InstallHostUpdate(HostContext& context) {
  if (g_installing || g_startPending) {
    HostLog("\nHost update already under way\n");
    return;
  }
  g_installing = true;
  HostLog("\nInstalling Hangardesk update\n");
  HostUpdateOffer& offer = CurrentHostUpdateOffer();
  bool ready = ObtainNewUpdater(context, offer);
  if (!ready) {
    Warn(context, "There was a problem downloading the new Updater.  Please try again.");
  } else if (GetFileAttributesA(UpdaterPath(context).c_str()) == INVALID_FILE_ATTRIBUTES ||
             context.mainWindow == nullptr) {
    HostLog("\tNo updater at %s\n", UpdaterPath(context).c_str());
    Warn(context, "There was a problem launching the new Updater.  Please try again.");
  } else {
    // The updater replaces files the modules hold open, and a running
    // download must end cleanly: close the normal way, start it afterwards.
    HostLog("\tClosing to start the updater\n");
    g_startPending = true;
    PostMessageA(context.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_CLOSE, BN_CLICKED), 0);
  }
  g_installing = false;
}

void StartPendingUpdater(const HostContext& context) {
  if (!g_startPending) return;
  g_startPending = false;
  std::string updater = UpdaterPath(context);
  HostLog("\nStarting updater %s -FromHangardesk\n", updater.c_str());
  SHELLEXECUTEINFOA start = {};
  start.cbSize = sizeof(start);
  // The failure is reported below, once, in the program's own words.
  start.fMask = SEE_MASK_FLAG_NO_UI;
  start.lpVerb = "runas";
  start.lpFile = updater.c_str();
  start.lpParameters = "-FromHangardesk";
  start.lpDirectory = context.programFolder;
  start.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExA(&start)) {
    HostLog("\tUpdater started\n");
    return;
  }
  HostLog("\tUpdater not started: %d\n", int(GetLastError()));
  MessageBoxA(nullptr, "There was a problem launching the new Updater.  Please try again.", "Error!",
              MB_OK | MB_ICONWARNING);
}

}  // namespace zelva::host
