#include <windows.h>

#include <cstdio>
#include <string>

#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "ProductTemplate.h"
#include "ProfileSection.h"

namespace zelva::module {
namespace {

constexpr const char* kOverwriteQuestion =
    "An ini file with this aircraft's settings already exists in your simulator for this livery.  We track each "
    "livery using the airframe's real-world registration number, so this likely means you previously had a livery "
    "for this aircraft and registration number previously installed and the settings file is still present.  Do you "
    "wish to overwrite the existing file?  If you choose yes, the old file will be overwritten with a fresh copy "
    "that sets the airframe's settings back to those defined with the original livery installation, but you will "
    "lose any customizations made, if any,  to this specific airframe.  If you choose no, your existing settings "
    "will be retained, but a new filename will be generated for the livery to use.";

// No settings file name may run on without end when every one is taken.
constexpr int kMostSuffixes = 10000;

std::string ConfigOf(const char* aircraftFolder) { return std::string(aircraftFolder) + "\\aircraft.cfg"; }

// The registration, when it can name a file; empty otherwise.
std::string SafeRegistration(const std::string& atcId, int entry) {
  if (!atcId.empty() && !IsSafeFileName(atcId.c_str())) {
    LogLivery("atc_id \"%s\" of fltsim.%d is no file name; its settings file is left alone\n", atcId.c_str(), entry);
    return std::string();
  }
  return atcId;
}

std::string RegistrationOf(const char* aircraftFolder, int entry) {
  return SafeRegistration(
      ReadProfileValue(ConfigOf(aircraftFolder).c_str(), EntrySection(entry).c_str(), "atc_id", kRegistrationChars), entry);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

void RemoveAirframeSettings(const std::string& registration, int entry) {
  std::string atcId = SafeRegistration(registration, entry);
  std::string folder = AirframeSettingsFolder(false);
  if (atcId.empty() || folder.empty()) return;
  DeleteFileA((folder + atcId + ".ini").c_str());
  DeleteFileA((AirframeSettingsFolder(true) + atcId + ".ini").c_str());
}

void InstallAirframeSettings(const char* textureFolderName, const char* texture, int variant,
                             const char* aircraftFolder, const char* workFolder, const char* title, bool reinstall,
                             int entry) {
  if (aircraftFolder == nullptr) return;
  std::string cfg = ConfigOf(aircraftFolder);
  if (ReadProfileValue(cfg.c_str(), EntrySection(entry).c_str(), "atc_id", kRegistrationChars).empty()) return;

  std::string atcId = RegistrationOf(aircraftFolder, entry);
  std::string folder = AirframeSettingsFolder(false);
  if (!atcId.empty() && !folder.empty()) {
    std::string source = std::string(workFolder != nullptr ? workFolder : "") + "Aircraft.ini";
    int suffix = 0;
    std::string name = atcId;
    for (; suffix < kMostSuffixes; ++suffix) {
      name = suffix == 0 ? atcId : atcId + std::to_string(suffix);
      if (reinstall || !Exists(folder + name + ".ini")) break;
      if (suffix == 0 && AskUser(kOverwriteQuestion, "File already exists - Overwrite?", MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        break;
    }
    if (suffix < kMostSuffixes) {
      CopyFileA(source.c_str(), (folder + name + ".ini").c_str(), FALSE);
      CopyFileA(source.c_str(), (AirframeSettingsFolder(true) + name + ".ini").c_str(), FALSE);
      if (suffix != 0) WritePrivateProfileStringA(EntrySection(entry).c_str(), "atc_id", name.c_str(), cfg.c_str());
    }
  }

  if (variant == kVariant300Er) AddGmcAlias(title, entry, textureFolderName, texture);
}

}  // namespace zelva::module
