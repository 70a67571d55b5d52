#include "UpdateNotice.h"

#include <cstdio>
#include <cstring>

#include "Changelog.h"
#include "ModuleContext.h"
#include "ProductUpdater.h"
#include "VersionList.h"

namespace zelva::module {
namespace {

constexpr char kInstallButton[] = "Install Update";
constexpr char kChangelogButton[] = "View Changelog";
constexpr char kIgnoreButton[] = "Ignore Update";

}  // namespace

INT_PTR PostUpdateNotice(int index) {
  const VersionEntry& entry = ModuleVersionList().entries[index];
  PanelRecord record;
  std::memset(&record, 0, sizeof(record));
  record.kind = kPanelNotification;
  // At most 99 characters of the title are shown.
  std::snprintf(record.title, 100, "%s: New update available", entry.displayName);
  record.buttonHandler = &OnUpdateNoticeButton;
  record.producerData[0] = char(index);
  std::snprintf(record.shortText, sizeof(record.shortText),
                "A new update is available for the %s.  Do you wish to download it?", entry.displayName);
  std::snprintf(record.longText, sizeof(record.longText),
                "ZELVA has released a new update for the %s.  If you wish, ZELVA Hangardesk can download the update "
                "for you to install.  A changelog may also be viewed for more information on this update.",
                entry.displayName);
  std::strcpy(record.buttonText[0], kInstallButton);
  std::strcpy(record.buttonText[1], kChangelogButton);
  std::strcpy(record.buttonText[2], kIgnoreButton);
  record.producerMark = kPanelMarkUpdate;
  return CallHost(kHostAddPanel, reinterpret_cast<const char*>(&record));
}

extern "C" int32_t __cdecl OnUpdateNoticeButton(PanelRecord* record, int32_t button) {
  if (record == nullptr || button < 0 || button > 2) return 1;
  int index = static_cast<uint8_t>(record->producerData[0]);
  if (index >= ModuleVersionList().count) return 1;
  char label[sizeof(record->buttonText[0]) + 1] = {};
  std::memcpy(label, record->buttonText[button], sizeof(record->buttonText[0]));
  try {
    if (lstrcmpiA(label, kChangelogButton) == 0) {
      ShowChangelogFromNotice(index);
      return 0;
    }
    if (lstrcmpiA(label, kInstallButton) == 0) {
      Log("Install Update has been selected from the notifications menu\n");
      DownloadUpdate(index);
    }
  } catch (...) {
    // Nothing may cross back into the settings module.
  }
  return 1;
}

}  // namespace zelva::module
