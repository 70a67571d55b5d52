#include "Changelog.h"

#include <memory>
#include <string>

#include "CabinetEntryFetch.h"
#include "ModuleContext.h"
#include "VersionCheck.h"
#include "VersionList.h"
#include "WideText.h"
#include "WorkFolders.h"
#include "WorkingDialogTask.h"

namespace zelva::module {
namespace {

constexpr uint32_t kChangelogBlockSize = 40000;

std::unique_ptr<files::WorkFolder>& NoticeFolder() {
  static std::unique_ptr<files::WorkFolder> folder;
  return folder;
}

}  // namespace

bool ShowChangelog(int index, const char* folder) {
  VersionList& list = ModuleVersionList();
  if (index < 0 || index >= list.count || folder == nullptr || folder[0] == '\0') return false;
  const VersionEntry& entry = list.entries[index];
  std::string name = std::string(entry.sectionName) + " Changelog.txt";
  bool fetched = false;
  RunWithWorkingDialog("Downloading Changelog...", [&] {
    fetched = update::FetchCabinetEntry(ProductVersionsUrl(), kChangelogBlockSize, folder, name.c_str());
  });
  HostContext* host = Host();
  if (!fetched) {
    Log("\n%s - Changelog %s could not be downloaded\n", Product().shortName, name.c_str());
    MessageBoxA(host != nullptr ? host->mainWindow : nullptr,
                "The changelog could not be downloaded.  Please try again later.", "Changelog",
                MB_OK | MB_ICONWARNING);
    return false;
  }
  std::wstring request = win::WideFromAnsi((std::string(folder) + name).c_str());
  request += L'\0';
  request += win::WideFromAnsi(entry.displayName) + L" Changelog";
  request += L'\0';
  CallHost(kHostShowDocument, reinterpret_cast<const char*>(request.c_str()));
  return true;
}

void ShowChangelogFromNotice(int index) {
  auto folder = std::make_unique<files::WorkFolder>();
  if (!folder->ok() || !ShowChangelog(index, folder->path())) return;
  // The new document has replaced the one the previous folder held.
  NoticeFolder() = std::move(folder);
}

void ReleaseNoticeChangelog() { NoticeFolder().reset(); }

}  // namespace zelva::module
