#include "ChangelogCheck.h"

#include <string>

#include "DocumentService.h"
#include "FileStamp.h"
#include "FixedText.h"

namespace zelva::host {
namespace {
constexpr size_t kStoredStampChars = 50;
}

void ShowHostChangelog(HostContext& context) {
  char path[kPathChars];
  text::CopyBounded(path, context.programFolder);
  text::AppendBounded(path, "Changelog.txt");

  std::wstring request = document::ShowDocumentRequest(path, L"Hangardesk Changelog");
  if (request.empty()) return;
  context.hostCommand(kHostShowDocument, reinterpret_cast<const char*>(request.c_str()), nullptr);
}

bool CheckChangelog(HostContext& context) {
  char stored[kStoredStampChars] = {};
  GetPrivateProfileStringA("Main", "Changelog", "", stored, sizeof(stored), context.configPath);

  char path[kPathChars];
  text::CopyBounded(path, context.programFolder);
  text::AppendBounded(path, "Changelog.txt");
  char stamp[kFileStampChars + 1] = {};
  bool present = FileStamp(path, stamp, sizeof(stamp));

  if (lstrcmpiA(stored, stamp) == 0) return false;
  WritePrivateProfileStringA("Main", "Changelog", stamp, context.configPath);
  // A removed changelog has nothing to show.
  if (stored[0] == '\0' || !present) return false;
  ShowHostChangelog(context);
  return true;
}

}  // namespace zelva::host
