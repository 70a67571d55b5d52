#include "ChangelogCheck.h"

#include <cstring>
#include <vector>

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

  static const wchar_t kTitle[] = L"Hangardesk Changelog";
  int pathChars = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (pathChars <= 0) return;
  std::vector<wchar_t> request(size_t(pathChars) + sizeof(kTitle) / sizeof(wchar_t));
  MultiByteToWideChar(CP_ACP, 0, path, -1, request.data(), pathChars);
  std::memcpy(request.data() + pathChars, kTitle, sizeof(kTitle));
  context.hostCommand(kHostShowDocument, reinterpret_cast<const char*>(request.data()), nullptr);
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
