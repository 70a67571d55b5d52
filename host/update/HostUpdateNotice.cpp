#include "HostUpdateNotice.h"

#include <cstring>

#include "FixedText.h"
#include "HostState.h"
#include "HostUpdateCheck.h"
#include "HostUpdateInstall.h"

namespace zelva::host {
namespace {

constexpr char kIgnoredKey[] = "IgnoredUpdateList";
constexpr char kInstallButton[] = "Install Update";
constexpr char kIgnoreButton[] = "Ignore";

}  // namespace

void PostHostUpdateNotice() {
  PanelRecord record;
  std::memset(&record, 0, sizeof(record));
  record.kind = kPanelNotification;
  text::CopyBounded(record.title, "Hangardesk Update Available");
  text::CopyBounded(record.shortText, "An update is available for the ZELVA Hangardesk.");
  text::CopyBounded(record.longText,
                    "There is an update available for the ZELVA Hangardesk.  If you choose to install, only the files "
                    "that require an update will be downloaded.");
  text::CopyBounded(record.buttonText[0], kInstallButton);
  text::CopyBounded(record.buttonText[1], kIgnoreButton);
  record.producerMark = kPanelMarkUpdate;
  record.buttonHandler = &OnHostUpdateNoticeButton;
  HostContext& context = Context();
  if (context.hostCommand != nullptr) context.hostCommand(kHostAddPanel, reinterpret_cast<const char*>(&record), nullptr);
}

extern "C" int32_t __cdecl OnHostUpdateNoticeButton(PanelRecord* record, int32_t button) {
  if (record == nullptr || button < 0 || button > 2) return 1;
  char label[sizeof(record->buttonText[0]) + 1] = {};
  std::memcpy(label, record->buttonText[button], sizeof(record->buttonText[0]));
  try {
    if (lstrcmpiA(label, kInstallButton) == 0) {
      InstallHostUpdate(Context());
    } else if (lstrcmpiA(label, kIgnoreButton) == 0) {
      RememberIgnoredHostUpdate(Context(), CurrentHostUpdateOffer().listDigest);
    }
  } catch (...) {
    // Nothing may cross back into the settings module.
  }
  return 1;
}

bool IsHostUpdateIgnored(const HostContext& context, const std::string& listDigest) {
  if (listDigest.empty()) return false;
  char stored[40] = {};
  GetPrivateProfileStringA("Online", kIgnoredKey, "", stored, sizeof(stored), context.configPath);
  return lstrcmpiA(stored, listDigest.c_str()) == 0;
}

void RememberIgnoredHostUpdate(const HostContext& context, const std::string& listDigest) {
  if (listDigest.empty()) return;
  WritePrivateProfileStringA("Online", kIgnoredKey, listDigest.c_str(), context.configPath);
}

}  // namespace zelva::host
