#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ConfigRewrite.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"

namespace zelva::module {
namespace {

// What a removed entry leaves to delete once aircraft.cfg no longer names it.
struct RemovedEntry {
  int entry;
  std::string texture, registration;
};

// Whether an entry that stays still names the value: a texture folder, or a
// registration whose settings file liveries of one airframe share.
bool StillUsed(const livery::AircraftConfig& config, const char* key, const std::string& value) {
  for (int entry = 0;; ++entry) {
    if (config.SectionText(entry).empty()) return false;
    if (_stricmp(config.Value(entry, key, kPathChars).c_str(), value.c_str()) == 0) return true;
  }
}

void DeleteTextureFolder(const char* aircraftFolder, const livery::AircraftConfig& config, int entry,
                         const std::string& texture) {
  if (texture.empty()) return;  // "texture." alone would name no folder of this entry
  if (!IsSafeFileName(texture.c_str())) {
    LogLivery("texture \"%s\" of fltsim.%d is no folder name; no folder deleted\n", texture.c_str(), entry);
    return;
  }
  if (StillUsed(config, "texture", texture)) {
    LogLivery("texture.%s is still used by another entry; kept\n", texture.c_str());
    return;
  }
  std::string folder = std::string(aircraftFolder) + "\\texture." + texture;
  std::string from = folder + '\0';  // the shell wants a list ended by a second NUL
  SHFILEOPSTRUCTA operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
  SHFileOperationA(&operation);
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

int RemoveLiveryEntry(int entry, int variant) { return RemoveLiveryEntries({entry}, variant); }

int RemoveLiveryEntries(const std::vector<int>& entries, int variant) {
  char folder[kPathChars], path[kPathChars];
  if (!VariantAircraftFolder(variant, folder) || !VariantConfigFile(variant, path)) return kResultDeclined;
  // From the highest number down, so that the numbers still to go stay valid.
  std::vector<int> doomed;
  for (int entry : entries)
    if (entry >= 0) doomed.push_back(entry);
  std::sort(doomed.begin(), doomed.end(), std::greater<int>());
  doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
  if (doomed.empty()) return kResultDeclined;

  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    int answer = AskUser("Aircraft.cfg file is Read-Only!\nWould you like to remove Read-Only status?", "Error",
                         MB_YESNOCANCEL | MB_ICONERROR);
    if (answer == IDNO) return kResultDeclined;
    if (answer != IDYES) return kResultCancelled;
    ClearReadOnly(path);
  }

  ConfigRewrite rewrite(path);
  livery::AircraftConfig& config = rewrite.config();
  std::vector<RemovedEntry> removed;
  for (int entry : doomed)
    removed.push_back({entry, config.Value(entry, "texture", kPathChars), config.Value(entry, "atc_id", kRegistrationChars)});
  for (int entry : doomed) config.RemoveEntry(entry);
  // Files go only once aircraft.cfg names them no more: a failed rewrite leaves everything as it was.
  RewriteResult result = rewrite.Commit();
  if (result != RewriteResult::Done) {
    ShowRewriteFailure(result);
    return kResultDeclined;
  }
  for (const RemovedEntry& entry : removed) {
    if (!entry.registration.empty() && StillUsed(config, "atc_id", entry.registration))
      LogLivery("%s.ini is still used by another entry; kept\n", entry.registration.c_str());
    else
      RemoveAirframeSettings(entry.registration, entry.entry);
    DeleteTextureFolder(folder, config, entry.entry, entry.texture);
  }
  return kResultDone;
}

}  // namespace zelva::module
