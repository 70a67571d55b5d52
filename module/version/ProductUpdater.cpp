#include "ProductUpdater.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "FixedText.h"
#include "Handles.h"
#include "ModuleContext.h"
#include "ProductDetection.h"
#include "UpdaterName.h"
#include "VersionCompare.h"
#include "VersionList.h"
#include "VersionPage.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

// With trailing backslash.
std::string UpdaterFolder() {
  HostContext* host = Host();
  return std::string(host != nullptr ? host->dataFolder : "") + "Product Updates\\";
}

HWND MessageOwner() {
  HostContext* host = Host();
  return host != nullptr ? host->mainWindow : nullptr;
}

// The installed version of the entry as the registry has it now.
std::string InstalledVersionNow(const VersionEntry& entry) {
  ProductInfo product = Product();
  if (entry.source == kVersionSourceProduct) {
    ReadProductVersion(product);
    return product.version;
  }
  CheckExpansions(product);
  return entry.source < kMaxExpansions ? product.expansions[entry.source].version : "";
}

// After the updater, or instead of it when its file was already there.
void TakeVersionAfterUpdate(VersionEntry& entry) {
  std::string version = InstalledVersionNow(entry);
  Log("Product Version is now: %s\n", version.c_str());
  if (!update::IsUpToDate(version.c_str(), entry.publishedVersion)) {
    Log("FAIL NOTICE:  After the updater ran, the registry version and server versions still didn't match.  They "
        "should have...\n");
    return;
  }
  text::CopyBounded(entry.installedVersion, version.c_str());
  entry.state = kUpToDate;
  Log("Up-To-Date-Flag set TRUE\n");
  // The offer is answered: it leaves the notification list.
  if (entry.notificationPosted && entry.notificationId != -1) {
    Log("Conditions for notification reduction met.\n");
    CallHost(kHostRemovePanel, reinterpret_cast<const char*>(entry.notificationId));
    entry.notificationId = -1;
  }
  RefreshVersionPage();
}

void DeleteUpdaterFolder() {
  std::string folder = UpdaterFolder();
  files::DeleteFolderTree(folder.c_str());
  Log("Deleting Folder: %s\n", folder.c_str());
}

void RunUpdater(VersionEntry& entry, const char* updater) {
  std::string folder = UpdaterFolder();
  Log("Updater Download Completed\n");
  Log("Updater Location: %s\n", folder.c_str());
  Log("Launching Updater named: %s\n", updater);
  SHELLEXECUTEINFOA start = {};
  start.cbSize = sizeof(start);
  start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  start.lpFile = updater;
  start.lpDirectory = folder.c_str();
  start.nShow = SW_SHOW;
  if (!ShellExecuteExA(&start) || start.hProcess == nullptr) {
    Log("The updater could not be started: %d\n", int(GetLastError()));
    MessageBoxA(MessageOwner(), "The downloaded update could not be started.  Please try again.", "Update",
                MB_OK | MB_ICONWARNING);
    DeleteUpdaterFolder();
    return;
  }
  win::KernelHandle process(start.hProcess);
  WaitForSingleObject(process.get(), INFINITE);
  Log("End of WaitForSingleObject()\n");
  TakeVersionAfterUpdate(entry);
  DeleteUpdaterFolder();
}

}  // namespace

void DownloadUpdate(int index) {
  Log("Entered DownloadUpdate()\n");
  VersionList& list = ModuleVersionList();
  if (index < 0 || index >= list.count) return;
  VersionEntry& entry = list.entries[index];
  if (entry.downloadRunning) {
    Log("The update is already being downloaded\n");
    return;
  }
  std::string name;
  update::UpdaterName verdict = update::UpdaterNameFromUrl(entry.updaterUrl, name);
  if (verdict == update::UpdaterName::kNoSlash) return;
  if (verdict == update::UpdaterName::kRefused) {
    Log("Refused the updater's file name in %s\n", entry.updaterUrl);
    char message[kUrlChars + 200];
    std::snprintf(message, sizeof(message),
                  "The update for the %s cannot be downloaded: its address does not end in a plain file name.\n\n%s",
                  entry.displayName, entry.updaterUrl);
    MessageBoxA(MessageOwner(), message, "Update", MB_OK | MB_ICONWARNING);
    return;
  }

  std::string folder = UpdaterFolder();
  DownloadRequest request;
  std::memset(&request, 0, sizeof(request));
  std::snprintf(request.title, 100, "%s - %s Update", entry.displayName, entry.publishedVersion);
  text::CopyBounded(request.url, entry.updaterUrl);
  if (!text::CopyBounded(request.destination, (folder + name).c_str())) {
    Log("The updater's path is too long: %s%s\n", folder.c_str(), name.c_str());
    return;
  }
  request.start = 1;
  request.completion = &OnUpdaterDownloaded;
  request.userValue = index;
  request.flags = kDownloadProductUpdater;

  Log("Updater Location: %s\n", folder.c_str());
  files::DeleteFolderTree(folder.c_str());
  Log("Pre-Emptive Delete of Folder: %s\n", folder.c_str());
  CreateDirectoryA(folder.c_str(), nullptr);
  Log("Create New Folder: %s\n", folder.c_str());
  Log("Downloading the following: %s\n", entry.updaterUrl);

  if (GetFileAttributesA(request.destination) != INVALID_FILE_ATTRIBUTES) {
    // The folder could not be emptied: what is there counts as downloaded.
    Log("Updater already present: %s\n", request.destination);
    TakeVersionAfterUpdate(entry);
    DeleteUpdaterFolder();
    return;
  }
  Log("Downloading: %s\n", request.destination);
  InterlockedExchange(&entry.downloadRunning, 1);
  INT_PTR download = CallHost(kHostSubmitDownload, reinterpret_cast<const char*>(&request));
  if (download == 0 || download == kResultUnknown) {
    Log("The host did not take the download\n");
    InterlockedExchange(&entry.downloadRunning, 0);
  }
}

extern "C" void __cdecl OnUpdaterDownloaded(DownloadRequest* request, int32_t state) {
  if (request == nullptr) return;
  VersionList& list = ModuleVersionList();
  INT_PTR index = request->userValue;
  if (index < 0 || index >= list.count) return;
  VersionEntry& entry = list.entries[index];
  try {
    if (state == kDownloadComplete) {
      char updater[kPathChars];
      text::CopyBounded(updater, request->destination);
      RunUpdater(entry, updater);
    } else {
      Log("Updater download ended with state %d\n", int(state));
    }
  } catch (...) {
    // Nothing may cross back into the host's download worker.
  }
  InterlockedExchange(&entry.downloadRunning, 0);
}

}  // namespace zelva::module
