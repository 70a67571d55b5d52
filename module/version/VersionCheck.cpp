#include "VersionCheck.h"

#include "CabinetEntryFetch.h"
#include "ModuleContext.h"
#include "UpdateNotice.h"
#include "VersionList.h"
#include "WideText.h"
#include "WorkFolders.h"
#include "WorkingDialogTask.h"

namespace zelva::module {
namespace {

constexpr uint32_t kVersionsBlockSize = 40000;
bool g_pageOpen = false;

}  // namespace

std::wstring ProductVersionsUrl() {
  HostContext* host = Host();
  return win::WideFromAnsi(host != nullptr ? host->productUpdateServer : "") + L"/ZELVA_Product_Versions";
}

std::string FetchVersionsFile(const char* folder) {
  if (!update::FetchCabinetEntry(ProductVersionsUrl(), kVersionsBlockSize, folder, "Versions.ini")) {
    Log("\n%s - Version data could not be downloaded\n", Product().shortName);
    return std::string();
  }
  return std::string(folder) + "Versions.ini";
}

void EvaluateVersions(const char* versionsFile) {
  if (versionsFile != nullptr) {
    ReadPublishedVersions(versionsFile, Product(), ModuleVersionList());
  } else {
    files::WorkFolder work;
    std::string fetched;
    if (work.ok())
      RunWithWorkingDialog("Downloading Version Data...", [&] { fetched = FetchVersionsFile(work.path()); });
    ReadPublishedVersions(fetched.c_str(), Product(), ModuleVersionList());
  }
  PostUpdateNotices();
}

void PostUpdateNotices() {
  if (g_pageOpen) return;
  VersionList& list = ModuleVersionList();
  for (int i = 0; i < list.count; ++i) {
    VersionEntry& entry = list.entries[i];
    if (entry.state != kUpdateAvailable || entry.notificationPosted) continue;
    entry.notificationId = PostUpdateNotice(i);
    entry.notificationPosted = 1;
  }
}

void SetVersionPageOpen(bool open) { g_pageOpen = open; }

}  // namespace zelva::module
