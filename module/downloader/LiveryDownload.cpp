#include "LiveryDownload.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "DownloaderPaths.h"
#include "HostDownloadCancel.h"
#include "LiveryCache.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryUpdater.h"
#include "ModuleContext.h"
#include "PackageArchive.h"
#include "ProcessingThread.h"
#include "ProfileSection.h"
#include "UpdateState.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

// Set by the page while its list exists; written on the page's thread only.
HWND g_list = nullptr;

// The host takes a package through a message its main window handles at
// length, installing it and maybe rebuilding the product window's pages.
// Neither the host's download worker (which the host waits for as it closes)
// nor the page's click may wait for that: packages are handed over from a
// window of the module's own, on the user-interface thread, once the
// message that carries them comes up.
constexpr UINT kHandOverMessage = WM_APP + 8;
constexpr char kMessengerClass[] = "ZelvaLiveryHandOver";
HWND g_messenger = nullptr;
std::mutex g_handOverLock;
std::vector<std::string> g_handOvers;

void HandOverWaiting() {
  std::vector<std::string> packages;
  {
    std::lock_guard<std::mutex> guard(g_handOverLock);
    packages.swap(g_handOvers);
  }
  for (const std::string& package : packages) CallHost(kHostProcessPackage, package.c_str());
}

LRESULT CALLBACK MessengerProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case kHandOverMessage:
      try {
        HandOverWaiting();
      } catch (...) {
        Log("\n%s - A downloaded livery could not be handed over\n", Product().shortName);
      }
      return 0;
    default:
      return DefWindowProcA(window, message, w, l);
  }
}

// On the user-interface thread.
void EnsureMessenger() {
  if (g_messenger != nullptr) return;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = &MessengerProcedure;
  windowClass.hInstance = ModuleInstance();
  windowClass.lpszClassName = kMessengerClass;
  RegisterClassA(&windowClass);
  g_messenger = CreateWindowExA(0, kMessengerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), nullptr);
}

void HandOver(const char* package) {
  {
    std::lock_guard<std::mutex> guard(g_handOverLock);
    g_handOvers.emplace_back(package);
  }
  if (g_messenger == nullptr || !PostMessageA(g_messenger, kHandOverMessage, 0, 0))
    Log("\n%s - A downloaded livery waits for the next page start: %s\n", Product().shortName, package);
}

void Redraw() {
  if (g_list != nullptr) PostMessageA(g_list, kEntryChangedMessage, 0, 0);
}

HWND MessageOwner() {
  HostContext* host = Host();
  return host != nullptr ? host->mainWindow : nullptr;
}

// The Date of a downloaded package's own description; empty when unreadable.
std::string PackageDate(const std::string& path) {
  files::WorkFolder work;
  PackageArchive archive(path.c_str());
  if (!work.ok() || !archive.Open() || !archive.ExtractFile("Settings.dat", work.path())) return std::string();
  archive.Close();
  return ReadProfileValue(work.File("Settings.dat").c_str(), "Settings", "Date", 40);
}

std::string Title(const LiveryCatalogEntry& entry) {
  return std::string(Product().variants[entry.variant].name) + " - " + entry.record.name;
}

extern "C" void __cdecl DownloadEnded(DownloadRequest* request, int32_t state) {
  if (request == nullptr) return;
  auto* entry = reinterpret_cast<LiveryCatalogEntry*>(request->userValue);
  try {
    {
      std::lock_guard<std::mutex> guard(TablesLock());
      entry->downloading = false;
      entry->download = nullptr;
    }
    Log("\tFinished livery download\n");
    if (state == kDownloadComplete) {
      Log("\t\tDownload was successful\n");
      {
        std::lock_guard<std::mutex> guard(TablesLock());
        entry->installPending = true;
      }
      HandOver(request->destination);
    } else {
      Log("\t\tDownload failed\n");
    }
    Redraw();
  } catch (...) {
    Log("\t\tDownload failed\n");
  }
}

}  // namespace

void SetLiveryList(HWND list) { g_list = list; }

void StartLiveryDownload(LiveryCatalogEntry& entry) {
  EnsureMessenger();
  const livery::CatalogueRecord record = entry.record;
  Log("\nDownloading livery: %s\n", record.name.c_str());
  const std::string local = DownloadedPackagePath(record.fileName);
  const std::string url = LiveryPackageUrl(record.fileName);
  if (local.empty() || url.empty()) return;
  {
    std::lock_guard<std::mutex> guard(TablesLock());
    if (entry.downloading) return;
    entry.downloading = true;
  }
  Log("\nLooking for cached livery: %s\n", local.c_str());
  bool needed = true;
  if (GetFileAttributesA(local.c_str()) != INVALID_FILE_ATTRIBUTES) {
    Log("\tFile already exists\n");
    const std::string date = PackageDate(local);
    Log("\tGot existing ZLP date\n");
    needed = livery::IsOlderDate(date, record.date);
    if (needed) Log("\tOnline ZLP is newer!  Will download.\n");
  }

  DownloadRequest request = {};
  std::snprintf(request.title, sizeof(request.title), "%s", Title(entry).c_str());
  std::snprintf(request.url, sizeof(request.url), "%s", url.c_str());
  std::snprintf(request.destination, sizeof(request.destination), "%s", local.c_str());
  request.start = 1;
  request.completion = &DownloadEnded;
  request.userValue = reinterpret_cast<INT_PTR>(&entry);
  if (!needed) {
    DownloadEnded(&request, kDownloadComplete);
    return;
  }
  Log("\tDownloading ZLP: %s\n", url.c_str());
  Redraw();
  HostContext* host = Host();
  if (host != nullptr) host->errorText[0] = '\0';
  INT_PTR result = CallHost(kHostSubmitDownload, reinterpret_cast<const char*>(&request));
  if (result == 0 || result == kResultFailed || result == kResultUnknown) {
    {
      std::lock_guard<std::mutex> guard(TablesLock());
      entry.downloading = false;
    }
    Redraw();
    char text[kErrorChars + 64];
    std::snprintf(text, sizeof(text), "The following error occured:\n\n%s\n",
                  host != nullptr && host->errorText[0] != '\0' ? host->errorText
                                                                : "ZELVA Hangardesk could not start the download.");
    MessageBoxA(MessageOwner(), text, "An error occured", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  std::lock_guard<std::mutex> guard(TablesLock());
  // A download that ended at once has called back already: its object is not ours to keep.
  if (entry.downloading) entry.download = reinterpret_cast<DownloadObjectView*>(result);
}

void AbortLiveryDownload(LiveryCatalogEntry& entry) {
  if (MessageBoxA(MessageOwner(), "Do you wish to abort this download?", entry.record.name.c_str(),
                  MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  DownloadObjectView* download = nullptr;
  {
    std::lock_guard<std::mutex> guard(TablesLock());
    download = entry.download;
  }
  // The host frees the object on this (its UI) thread only, so it outlives the call.
  if (download != nullptr) CancelHostDownload(*download);
}

bool FinishPendingInstallations() {
  // The host installs under its own working dialog, whose loop delivers this
  // page's timer too: the entry is looked at once that work is over.
  static bool busy = false;
  if (busy || CallHost(kHostIsWorkingDialogOpen) == 1) return true;
  busy = true;
  struct Done {
    ~Done() { busy = false; }
  } done;
  bool waiting = false;
  for (LiveryTable& table : Tables().variants) {
    for (LiveryCatalogEntry& entry : table) {
      {
        std::lock_guard<std::mutex> guard(TablesLock());
        if (!entry.installPending) continue;
      }
      if (!IsLiveryInstalled(entry.variant, entry.record.name.c_str())) {
        waiting = true;
        continue;
      }
      {
        std::lock_guard<std::mutex> guard(TablesLock());
        entry.installPending = false;
        entry.installed = true;
      }
      // What the package lacks against the server (a newer settings file,
      // newer files) comes at once.
      ComputeUpdateState(entry);
      if (entry.updateAvailable) UpdateLiveryUnderWorkingDialog(entry);
      Redraw();
    }
  }
  return waiting;
}

void ReleaseLiveryDownloads() {
  g_list = nullptr;
  if (g_messenger != nullptr) DestroyWindow(g_messenger);
  g_messenger = nullptr;
  UnregisterClassA(kMessengerClass, ModuleInstance());
  std::lock_guard<std::mutex> guard(g_handOverLock);
  g_handOvers.clear();
}

bool AnyDownloadOrInstallation() {
  std::lock_guard<std::mutex> guard(TablesLock());
  for (const LiveryTable& table : Tables().variants)
    for (const LiveryCatalogEntry& entry : table)
      if (entry.downloading || entry.installPending) return true;
  return false;
}

}  // namespace zelva::module
