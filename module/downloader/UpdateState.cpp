#include "UpdateState.h"

#include <windows.h>

#include "DownloaderPaths.h"
#include "LiveryCache.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "ModuleContext.h"
#include "ProfileSection.h"
#include "ServerNames.h"

namespace zelva::module {

InstalledEntry FindInstalledEntry(int variant, const std::string& name) {
  InstalledEntry installed;
  char path[kPathChars];
  if (!VariantConfigFile(variant, path)) return installed;
  installed.configPath = path;
  for (int entry = 0;; ++entry) {
    const std::string section = EntrySection(entry);
    std::string variation = ReadProfileValue(path, section.c_str(), "ui_variation", 100);
    if (variation.empty()) return installed;
    if (_stricmp(variation.c_str(), name.c_str()) != 0) continue;
    installed.found = true;
    installed.entry = entry;
    installed.facts.texture = ReadProfileValue(path, section.c_str(), "texture", 100);
    installed.facts.zelvaVersion = int(GetPrivateProfileIntA(section.c_str(), "ZELVA_Version", 0, path));
    installed.registration = ReadProfileValue(path, section.c_str(), "atc_id", kRegistrationChars);
    const std::string folder = AirframeSettingsFolder(false);
    if (!folder.empty() && livery::IsPlainServerName(installed.registration)) {
      installed.settingsPath = folder + installed.registration + ".ini";
      if (GetFileAttributesA(installed.settingsPath.c_str()) != INVALID_FILE_ATTRIBUTES)
        installed.facts.settingsVersion =
            int(GetPrivateProfileIntA("Version", "Version", -1, installed.settingsPath.c_str()));
    }
    return installed;
  }
}

livery::LastWrite VariantLastWrite(int variant) {
  const std::string folder = VariantFolder(variant);
  return [folder](const std::string& relative, uint64_t& ticks) {
    if (folder.empty()) return false;
    WIN32_FILE_ATTRIBUTE_DATA facts = {};
    const std::string path = folder + "\\" + relative;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &facts) ||
        (facts.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      return false;
    ticks = (uint64_t(facts.ftLastWriteTime.dwHighDateTime) << 32) | facts.ftLastWriteTime.dwLowDateTime;
    return true;
  };
}

void ComputeUpdateState(LiveryCatalogEntry& entry) {
  livery::CatalogueRecord record;
  int variant = 0;
  {
    std::lock_guard<std::mutex> guard(TablesLock());
    entry.updateAvailable = false;
    record = entry.record;
    variant = entry.variant;
  }
  SummaryContent summary = ReadSummary(record.fileName);
  if (summary.settings.empty()) return;
  InstalledEntry installed = FindInstalledEntry(variant, record.name);
  if (!installed.found) return;
  const livery::PackageDescription package = livery::ReadPackageDescription(profile::Document(summary.settings));
  for (const std::string& refused : package.refused)
    Log("\n%s - %s lists a file outside its texture folder: \"%s\"\n", Product().shortName, record.fileName.c_str(),
        refused.c_str());
  const bool update =
      livery::NeedsUpdate(package, installed.facts, record.configRevision, VariantLastWrite(variant));
  std::lock_guard<std::mutex> guard(TablesLock());
  entry.updateAvailable = update;
}

}  // namespace zelva::module
