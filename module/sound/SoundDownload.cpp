#include "SoundDownload.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "FixedText.h"
#include "HostDownloadCancel.h"
#include "InstallCommon.h"
#include "ModuleContext.h"
#include "PackageArchive.h"
#include "SoundPackage.h"
#include "SoundSetRecords.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

constexpr char kErrorCaption[] = "An error occured";

std::atomic<HWND> g_page{nullptr};

// The downloading flag and handle of every record: set here before the host
// may call back, cleared by the completion on the download's worker.
std::mutex& DownloadLock() {
  static std::mutex lock;
  return lock;
}

SoundSetRecord* RecordAt(INT_PTR index) {
  SoundSetTable& table = SoundSets();
  return index >= 0 && index < kMaxSoundSets ? &table.records[index] : nullptr;
}

HWND MessageOwner() {
  HostContext* host = Host();
  return host != nullptr ? host->mainWindow : nullptr;
}

void ShowError(const char* text) {
  char message[kErrorChars + 64];
  std::snprintf(message, sizeof(message), "The following error occured:\n\n%s\n", text);
  MessageBoxA(MessageOwner(), message, kErrorCaption, MB_OK | MB_ICONEXCLAMATION);
}

// The working folder the package was downloaded into; empty unless it is
// one, so nothing else is ever deleted for it.
std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos || slash == 0) return std::string();
  size_t parent = path.find_last_of('\\', slash - 1);
  std::string name = path.substr(parent == std::string::npos ? 0 : parent + 1, slash - (parent + 1));
  if (_strnicmp(name.c_str(), "ZELVA_HDK", 9) != 0) return std::string();
  return path.substr(0, slash + 1);
}

// What the package says of itself; the host hands on only what names this
// product, and would drop anything else without a word.
bool IsSoundPackageOfThisProduct(const std::string& packagePath) {
  files::WorkFolder work;
  if (!work.ok()) return false;
  PackageArchive archive(packagePath.c_str());
  if (!archive.Open() || !archive.ExtractFile(kSettingsFile, work.path())) return false;
  archive.Close();
  char type[kNameChars], aircraft[kNameChars];
  std::string settings = work.File(kSettingsFile);
  ReadProfileText(settings.c_str(), kSettingsSection, "Type", "Single Livery", type);
  ReadProfileText(settings.c_str(), kSettingsSection, "Aircraft", "UNKNOWN AIRCRAFT", aircraft);
  return _stricmp(type, kSoundPackageType) == 0 && _stricmp(aircraft, Product().shortName) == 0;
}

void HandOver(const std::string& packagePath) {
  const std::string folder = FolderOf(packagePath);
  if (!IsSoundPackageOfThisProduct(packagePath)) {
    Log("\t\tThe download is no sound package of this product\n");
    files::DeleteFolderTree(folder.c_str());
    ShowError("The downloaded file is not a sound package for this product. It may have been damaged on its way; "
              "please download it again.");
    return;
  }
  AwaitDownloadedPackage(packagePath, folder);
  INT_PTR result = CallHost(kHostProcessPackage, packagePath.c_str());
  Log("\t\tPackage handed to the host: %d\n", int(result));
  if (result != kResultDone && ReleaseDownloadedPackage(packagePath))
    ShowError("ZELVA Hangardesk did not take the downloaded sound package for installation.");
}

}  // namespace

void SetSoundPageWindow(HWND page) { g_page = page; }

void TellSoundPage(int index) {
  HWND page = g_page.load();
  if (page != nullptr) PostMessageA(page, kSoundSetChangedMessage, WPARAM(index), 0);
}

void ForgetSoundPageWindow(HWND page) {
  HWND expected = page;
  g_page.compare_exchange_strong(expected, nullptr);
}

bool StartSoundDownload(int index) {
  SoundSetRecord* record = RecordAt(index);
  HostContext* host = Host();
  if (record == nullptr || host == nullptr || SoundDownloadRunning(index)) return false;

  char folder[kPathChars];
  if (!files::MakeTemporaryFolderName(folder) || !CreateDirectoryA(folder, nullptr)) {
    ShowError("A temporary folder for the download could not be created.");
    return false;
  }
  DownloadRequest request;
  std::memset(&request, 0, sizeof(request));
  std::snprintf(request.title, sizeof(request.title), record->kind == SoundKind::kExterior ? "%s Exterior Soundset"
                                                                           : "%s Interior Soundset",
                record->name);
  std::snprintf(request.url, sizeof(request.url), "%s/%s", host->liveriesServer, record->package);
  std::string destination = std::string(folder) + record->package;
  text::CopyBounded(request.destination, destination.c_str());
  request.start = 1;
  request.completion = &OnSoundDownloadEnded;
  request.userValue = index;
  Log("\tDownloading ZLP: %s\n", request.url);
  if (destination.size() >= sizeof(request.destination)) {
    files::DeleteFolderTree(folder);
    ShowError("The path of the temporary folder is too long.");
    return false;
  }

  {
    std::lock_guard<std::mutex> guard(DownloadLock());
    record->downloading = true;
    record->download = nullptr;
  }
  host->errorText[0] = '\0';
  INT_PTR result = CallHost(kHostSubmitDownload, reinterpret_cast<const char*>(&request));
  if (result == 0 || result == kResultFailed || result == kResultUnknown) {
    {
      std::lock_guard<std::mutex> guard(DownloadLock());
      record->downloading = false;
    }
    files::DeleteFolderTree(folder);
    char reason[kErrorChars];
    text::CopyBounded(reason, host->errorText[0] != '\0' ? host->errorText
                                                         : "ZELVA Hangardesk could not start the download.");
    ShowError(reason);
    return false;
  }
  std::lock_guard<std::mutex> guard(DownloadLock());
  // A download that ended at once has called back already: its object is not ours to keep.
  if (record->downloading) record->download = reinterpret_cast<DownloadObjectView*>(result);
  return true;
}

void AbortSoundDownload(int index) {
  if (!SoundDownloadRunning(index)) return;
  if (MessageBoxA(MessageOwner(), "Do you wish to abort this download?", "Soundset Download",
                  MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  DownloadObjectView* download = nullptr;
  {
    std::lock_guard<std::mutex> guard(DownloadLock());
    SoundSetRecord* record = RecordAt(index);
    if (record != nullptr) download = record->download;
  }
  // The host frees the object on this (its UI) thread only, so it outlives the call.
  if (download != nullptr) CancelHostDownload(*download);
}

bool SoundDownloadRunning(int index) {
  std::lock_guard<std::mutex> guard(DownloadLock());
  SoundSetRecord* record = RecordAt(index);
  return record != nullptr && record->downloading;
}

SoundDownloadProgress ProgressOfSoundDownload(int index) {
  SoundDownloadProgress progress;
  std::lock_guard<std::mutex> guard(DownloadLock());
  SoundSetRecord* record = RecordAt(index);
  if (record == nullptr || !record->downloading) return progress;
  progress.running = true;
  if (DownloadObjectView* download = record->download) {
    const DownloadObjectData& data = download->data;
    progress.received = data.bytesReceived;
    progress.expected = data.bytesExpected;
    progress.status.assign(data.status, strnlen(data.status, sizeof(data.status)));
  }
  return progress;
}

extern "C" void __cdecl OnSoundDownloadEnded(DownloadRequest* request, int32_t state) {
  if (request == nullptr) return;
  const INT_PTR index = request->userValue;
  try {
    {
      std::lock_guard<std::mutex> guard(DownloadLock());
      SoundSetRecord* record = RecordAt(index);
      if (record != nullptr) {
        record->downloading = false;
        record->download = nullptr;
      }
    }
    Log("\tFinished soundset download\n");
    const std::string packagePath(request->destination, strnlen(request->destination, sizeof(request->destination)));
    if (state != kDownloadComplete) {
      Log("\t\tDownload failed\n");
      files::DeleteFolderTree(FolderOf(packagePath).c_str());
    } else {
      Log("\t\tDownload was successful\n");
      HandOver(packagePath);
    }
  } catch (...) {
    // Nothing may cross back into the host's download worker.
  }
  TellSoundPage(int(index));
}

}  // namespace zelva::module
