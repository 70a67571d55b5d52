#include "HostUpdateCheck.h"

#include <windows.h>

#include <cstdio>

#include "CabinetEntryFetch.h"
#include "FileDigest.h"
#include "FileStamp.h"
#include "FixedText.h"
#include "HostLog.h"
#include "HostUpdateNotice.h"
#include "UpdateList.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace zelva::host {
namespace {

// A read of the decoder takes a whole data block of the cabinet (up to 32 KB
// and its header), which must fit one cache block: 5,000 bytes failed as soon
// as the archive carried the updater beside the list.
constexpr uint32_t kListBlockSize = 40000;
constexpr char kListName[] = "update.cfg";

// A name longer than the list format holds is read whole, then refused.
constexpr size_t kNameBuffer = kPathChars;

bool SameDigest(const std::string& local, const char* listed) { return lstrcmpiA(local.c_str(), listed) == 0; }

// One listed file against its local copy; true when it needs an update.
bool NeedsUpdate(const HostContext& context, const char* listedDate, const char* name, const char* checksum) {
  char local[kPathChars];
  text::CopyBounded(local, context.programFolder);
  if (!text::AppendBounded(local, name)) {
    HostLog("\t\tLocal path too long, skipped\n");
    return false;
  }
  HostLog("\t\tLocal path: %s\n", local);

  char stamp[kFileStampChars + 1] = {};
  bool present = FileStamp(local, stamp, sizeof(stamp));
  if (!present) HostLog("\t\tNo timestamp.  Doesn't exist?  Will Update\n");

  int order = update::CompareStamps(stamp, listedDate);
  if (order < 0) {
    HostLog("\t\tNewer version available.  Will Update\n");
    return true;
  }
  if (order == 0) {
    std::string digest;
    if (!crypto::FileDigest(local, digest) || !SameDigest(digest, checksum)) {
      HostLog("\t\tFile corrupted.  Will Update\n");
      return true;
    }
  }
  return !present;
}

// Walks the list; returns 1 when a file needs an update.
int CompareList(HostContext& context, const std::string& list, HostUpdateOffer& offer) {
  int result = 0;
  for (int number = 0; number < update::kMaxListedFiles; ++number) {
    char section[32];
    std::snprintf(section, sizeof(section), "File %01d", number);
    HostLog("\t%s\n", section);
    char date[30] = {}, name[kNameBuffer] = {}, checksum[update::kListedChecksumChars + 1] = {};
    GetPrivateProfileStringA(section, "File_Date", "", date, sizeof(date), list.c_str());
    if (date[0] == '\0') break;
    GetPrivateProfileStringA(section, "File_Name", "", name, sizeof(name), list.c_str());
    GetPrivateProfileStringA(section, "Checksum", "", checksum, sizeof(checksum), list.c_str());
    HostLog("\t\tName: %s\n", name);
    // The updater acts on this list too: a name that leaves the program
    // folder is no file of ours, whatever the server says.
    if (!update::IsSafeListedName(win::AsUtf16(win::WideFromAnsi(name)))) {
      HostLog("\t\tName leaves the program folder or is not a plain path; skipped\n");
      continue;
    }
    if (!NeedsUpdate(context, date, name, checksum)) continue;
    result = 1;
    if (lstrcmpiA(name, update::kUpdaterFileName) == 0) {
      HostLog("\t\tThis is a new updater\n");
      text::CopyBounded(offer.updaterDigest, checksum);
      offer.newUpdater = true;
    }
  }
  return result;
}

}  // namespace

HostUpdateOffer& CurrentHostUpdateOffer() {
  static HostUpdateOffer offer;
  return offer;
}

std::wstring HostUpdateUrl(const HostContext& context) {
  return win::WideFromAnsi(context.hostUpdateServer) + L"/ZELVA_Hangardesk_Update";
}

int CheckHostUpdate(HostContext& context, bool notify) {
  HostLog("\nChecking for Hangardesk updates\n");
  HostUpdateOffer& offer = CurrentHostUpdateOffer();
  offer.newUpdater = false;
  offer.updaterDigest[0] = '\0';
  offer.listDigest.clear();

  int result = 0;
  {
    files::WorkFolder work;
    HostLog("\tTemp path: %s\n", work.path());
    std::wstring url = HostUpdateUrl(context);
    HostLog("\tUpdate URL: %ls\n", url.c_str());
    if (!work.ok() || !update::FetchCabinetEntry(url, kListBlockSize, work.path(), kListName)) {
      HostLog("\tDownload failed!\n");
      HostLog("Update Available: %d\n", 0);
      return 0;
    }
    std::string list = work.File(kListName);
    HostLog("\tUpdate file: %s\n", list.c_str());
    result = CompareList(context, list, offer);
    crypto::FileDigest(list.c_str(), offer.listDigest);
    if (result == 1 && notify) {
      if (IsHostUpdateIgnored(context, offer.listDigest)) {
        HostLog("\tThis update was ignored before; no notification\n");
      } else {
        HostLog("\tAdding notification for new update\n");
        PostHostUpdateNotice();
      }
    }
  }
  HostLog("Update Available: %d\n", result);
  return result;
}

}  // namespace zelva::host
