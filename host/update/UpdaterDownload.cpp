#include "UpdaterDownload.h"

#include <windows.h>

#include <string>

#include "CabinetEntryFetch.h"
#include "FileDigest.h"
#include "FixedText.h"
#include "HostLog.h"
#include "HostUpdateCheck.h"
#include "StatusWindow.h"
#include "UpdateList.h"
#include "WorkFolders.h"

namespace zelva::host {
namespace {

constexpr int kAttempts = 3;
constexpr uint32_t kUpdaterBlockSize = 40000;

// The digest as it stands on the command line: up to the first blank or quote.
std::string CleanDigest(const char* digest) {
  std::string clean;
  for (const char* p = digest; p != nullptr && *p != '\0' && clean.size() < update::kListedChecksumChars; ++p) {
    if (*p == ' ' || *p == '\t' || *p == '"') break;
    clean += *p;
  }
  return clean;
}

// The verified updater replaces ours in one step; a failed copy leaves ours.
bool PlaceUpdater(const std::string& downloaded, const HostContext& context) {
  std::string target = std::string(context.programFolder) + update::kUpdaterFileName;
  std::string part = target + ".part";
  if (!CopyFileA(downloaded.c_str(), part.c_str(), FALSE)) {
    HostLog("\tCould not copy the updater: %d\n", int(GetLastError()));
    return false;
  }
  if (!MoveFileExA(part.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    HostLog("\tCould not replace the updater: %d\n", int(GetLastError()));
    DeleteFileA(part.c_str());
    return false;
  }
  return true;
}

bool TryOnce(const HostContext& context, const files::WorkFolder& work, const std::string& expected) {
  if (!update::FetchCabinetEntry(HostUpdateUrl(context), kUpdaterBlockSize, work.path(), update::kUpdaterFileName)) {
    HostLog("\tUpdater download failed\n");
    return false;
  }
  std::string downloaded = work.File(update::kUpdaterFileName);
  std::string digest;
  bool matches = crypto::FileDigest(downloaded.c_str(), digest) && lstrcmpiA(digest.c_str(), expected.c_str()) == 0;
  bool placed = matches && PlaceUpdater(downloaded, context);
  if (!matches) HostLog("\tUpdater checksum %s does not match %s\n", digest.c_str(), expected.c_str());
  DeleteFileA(downloaded.c_str());
  return placed;
}

}  // namespace

int DownloadUpdater(const HostContext& context, const char* expectedDigest) {
  if (!context.isAdministrator) return 0;
  std::string expected = CleanDigest(expectedDigest);
  if (expected.empty()) {
    HostLog("\tNo checksum given for the updater\n");
    return 0;
  }
  ui::StartStatusWindow(context.hostInstance);
  ui::SetStatusText("Downloading new updater...");
  int result = 0;
  {
    files::WorkFolder work;
    for (int attempt = 1; work.ok() && attempt <= kAttempts && result == 0; ++attempt) {
      HostLog("\tUpdater download, attempt %d\n", attempt);
      if (TryOnce(context, work, expected)) result = 1;
    }
  }
  ui::CloseStatusWindow();
  HostLog("\tNew updater: %d\n", result);
  return result;
}

}  // namespace zelva::host
