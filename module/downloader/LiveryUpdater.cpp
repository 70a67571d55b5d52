#include "LiveryUpdater.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "DownloaderPaths.h"
#include "DownloaderText.h"
#include "ExtractUrl.h"
#include "Handles.h"
#include "InstallMessages.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "ModuleContext.h"
#include "ThreadWait.h"
#include "PackageKey.h"
#include "ProfileDocument.h"
#include "ProfileSection.h"
#include "UpdateState.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

constexpr uint32_t kRemoteBlock = 50000;
constexpr int kAttempts = 3;
constexpr DWORD kProgressEvery = 500;
constexpr size_t kLargestSettings = size_t(4) << 20;

void Tell(const char* text, const char* caption) {
  HostContext* host = Host();
  MessageBoxA(host != nullptr ? host->mainWindow : nullptr, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

struct FileWanted {
  std::wstring relativePath;  // inside the package
  std::string url;            // for the progress line
  DWORD lastShown = 0;
  bool found = false;
};

INT_PTR SelectWanted(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  FileWanted& wanted = *reinterpret_cast<FileWanted*>(user);
  bool match = CompareStringOrdinal(entry->relativePath, -1, wanted.relativePath.c_str(), -1, TRUE) == CSTR_EQUAL;
  wanted.found = wanted.found || match;
  return match ? 1 : 0;
}

void ShowProgress(const Cabinet::CabProgress* progress, INT_PTR user) {
  FileWanted& wanted = *reinterpret_cast<FileWanted*>(user);
  const DWORD now = GetTickCount();
  if (wanted.lastShown != 0 && now - wanted.lastShown < kProgressEvery) return;
  wanted.lastShown = now;
  SetBusyText(2, livery::FileProgressText(wanted.url, progress->written).c_str());
}

// One file of the open remote package into the working folder.
bool ExtractOne(Cabinet::CExtractUrl& reader, const std::string& name, const std::string& url, const char* folder) {
  FileWanted wanted;
  wanted.relativePath = win::WideFromAnsi(name.c_str());
  wanted.url = url;
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &SelectWanted;
  callbacks.progress = &ShowProgress;
  callbacks.progressInterval = kProgressEvery;
  reader.SetCallbacks(callbacks);
  const std::wstring target = win::WideFromAnsi(folder);
  return reader.Extract(Cabinet::kUrlCabinetPath, target.c_str(), INT_PTR(&wanted)) && wanted.found;
}

// Replaces target with source in one step: a complete copy beside it first.
bool PlaceFile(const std::string& source, const std::string& target) {
  const size_t slash = target.find_last_of('\\');
  if (slash != std::string::npos) SHCreateDirectoryExA(nullptr, target.substr(0, slash).c_str(), nullptr);
  const std::string partial = target + ".part";
  if (!CopyFileA(source.c_str(), partial.c_str(), FALSE)) return false;
  ClearReadOnly(target.c_str());
  if (MoveFileExA(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileA(partial.c_str());
  return false;
}

class RemotePackage {
 public:
  bool Open(const std::string& url) {
    url_ = url;
    if (!reader_.OpenDecoder()) return false;
    open_ = true;
    reader_.SetCipherKey(archive::kPackageKeyLength, archive::PackageKey());
    const std::wstring wide = win::WideFromAnsi(url.c_str());
    return reader_.OpenUrl(wide.c_str(), L"", kRemoteBlock);
  }
  bool Query() {
    FDICABINETINFO info = {};
    return reader_.QueryCabinet(Cabinet::kUrlCabinetPath, &info);
  }
  bool Extract(const std::string& name, const char* folder) { return ExtractOne(reader_, name, url_, folder); }
  ~RemotePackage() {
    if (open_) reader_.CloseDecoder();
  }

 private:
  Cabinet::CExtractUrl reader_;
  std::string url_;
  bool open_ = false;
};

bool UpdateFiles(RemotePackage& remote, const livery::PackageDescription& package, const InstalledEntry& installed,
                 int variant, const files::WorkFolder& work) {
  Log("\tChecking livery files\n");
  const std::string folder = VariantFolder(variant);
  const std::vector<size_t> wanted = livery::FilesToFetch(package, installed.facts.texture, VariantLastWrite(variant));
  if (wanted.empty()) {
    Log("\tLivery files up to date\n");
    return true;
  }
  for (size_t index : wanted) {
    const livery::PackageFile& file = package.files[index];
    const std::string local = folder + "\\" + livery::LocalTextureFile(file, installed.facts.texture);
    if (GetFileAttributesA(local.c_str()) == INVALID_FILE_ATTRIBUTES)
      Log("\t\tMissing file: %s\n", file.name.c_str());
    else
      Log("\t\tUpdate available for: %s\n", file.name.c_str());
    Log("\t\t\tDownloading file\n");
    bool fetched = false;
    for (int attempt = 0; attempt < kAttempts && !fetched; ++attempt) fetched = remote.Extract(file.name, work.path());
    if (!fetched || !PlaceFile(work.File(file.name.c_str()), local)) {
      Log("\t\t\tDownload failed!\n");
      Tell("Error downloading file!", "Error");
      return false;
    }
    Log("\t\t\tDownload complete\n");
  }
  return true;
}

void UpdateSettingsFile(const LiveryCatalogEntry& entry, const InstalledEntry& installed) {
  Log("\tChecking .INI: %s\n", installed.settingsPath.c_str());
  if (installed.settingsPath.empty() || installed.facts.settingsVersion >= entry.record.configRevision) return;
  Log("\tNewer version available\n");
  const std::string url = LiveryPackageUrl(livery::ConfigPackageName(entry.record.fileName));
  Log("\tDownloading from url: %ls\n", win::WideFromAnsi(url.c_str()).c_str());
  files::WorkFolder work;
  RemotePackage config;
  if (!work.ok() || !config.Open(url) || !config.Extract("Aircraft.ini", work.path())) {
    Log("\tDownload failed!\n");
    return;
  }
  Log("\tMoving to target: %s\n", installed.settingsPath.c_str());
  if (!PlaceFile(work.File("Aircraft.ini"), installed.settingsPath)) Log("\tDownload failed!\n");
}

struct UpdateJob {
  LiveryCatalogEntry* entry;
  bool done = false;
};

DWORD WINAPI UpdateThread(void* parameter) {
  HostContext* host = Host();
  if (host != nullptr && host->setWorkingDialogLayout != nullptr) host->setWorkingDialogLayout(2);
  UpdateJob& job = *static_cast<UpdateJob*>(parameter);
  job.done = UpdateLivery(*job.entry);
  if (host != nullptr && host->closeWorkingDialog != nullptr) host->closeWorkingDialog();
  return 0;
}

}  // namespace

bool UpdateLivery(LiveryCatalogEntry& entry) {
  const livery::CatalogueRecord record = entry.record;
  Log("Updating livery: %s\n", record.name.c_str());
  const std::string line = "Updating " + record.name + "...";
  SetBusyText(1, line.c_str());
  const InstalledEntry installed = FindInstalledEntry(entry.variant, record.name);
  Log("\tPath: %s\n", installed.configPath.c_str());
  if (!installed.found) {
    Log("\tCouldn't find this livery installed!\n");
    Tell("Livery not found in aircraft.cfg after it should have been added.", "Error!");
    return false;
  }
  files::WorkFolder work;
  const std::string url = LiveryPackageUrl(record.fileName);
  Log("\tGetting update data from web: %ls\n", win::WideFromAnsi(url.c_str()).c_str());
  bool stopped = false;
  {
    RemotePackage remote;
    if (!work.ok() || !remote.Open(url) || !remote.Query()) {
      Log("\tDownload was corrupted\n");
      Tell("An unknown error occured!", "Error");
      return false;
    }
    if (!remote.Extract("Settings.dat", work.path())) {
      Log("\tSettings.dat download was corrupted\n");
      Tell("Error downloading files!", "Error");
      return false;
    }
    std::string settings;
    ReadFileUpTo(work.File("Settings.dat").c_str(), kLargestSettings, settings);
    const livery::PackageDescription package = livery::ReadPackageDescription(profile::Document(settings));
    for (const std::string& refused : package.refused) Log("\t\tSkipped a file outside its folder: %s\n", refused.c_str());

    if (package.configVersion > installed.facts.zelvaVersion) {
      Log("\tNeed to update aircraft.cfg entry\n");
      const std::string section = remote.Extract("Config.cfg", work.path())
                                      ? ReadProfileSection(work.File("Config.cfg").c_str(), "fltsim.x")
                                      : std::string();
      // An empty section would blank the entry and hide every livery behind it.
      if (section.empty())
        Log("\t\tError downloading aircraft.cfg entry!\n");
      else if (ReplaceLiveryEntry(installed.configPath.c_str(), installed.entry, section, true) ==
               RewriteResult::Done)
        Log("\t\tDone\n");
    }
    stopped = !UpdateFiles(remote, package, installed, entry.variant, work);
  }
  if (!stopped) UpdateSettingsFile(entry, FindInstalledEntry(entry.variant, record.name));
  ComputeUpdateState(entry);
  Log("Done updating\n");
  return !stopped;
}

bool UpdateLiveryUnderWorkingDialog(LiveryCatalogEntry& entry) {
  UpdateJob job{&entry};
  win::KernelHandle thread(CreateThread(nullptr, 0, &UpdateThread, &job, 0, nullptr));
  if (!thread.valid()) return false;
  HostContext* host = Host();
  if (host != nullptr && host->runWorkingDialog != nullptr) host->runWorkingDialog();
  WaitAnsweringSentMessages(thread.get());
  return job.done;
}

}  // namespace zelva::module
