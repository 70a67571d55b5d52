#include "AircraftIniPackage.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "ArchiveCodes.h"
#include "InstallCommon.h"
#include "InstallMessages.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "ModuleContext.h"
#include "PackageArchive.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

// The entry whose ui_variation is name, or -1.
int FindLivery(int variant, const char* name) {
  char config[kPathChars];
  if (!VariantConfigFile(variant, config)) return -1;
  for (int entry = 0;; ++entry) {
    char variation[100];
    ReadProfileText(config, EntrySection(entry).c_str(), "ui_variation", "", variation);
    if (variation[0] == '\0') return -1;
    if (_stricmp(variation, name) == 0) return entry;
  }
}

bool FolderOf(const char* path, char (&folder)[kPathChars]) {
  int written = std::snprintf(folder, sizeof(folder), "%s", path);
  if (written < 0 || size_t(written) >= sizeof(folder)) return false;
  char* slash = std::strrchr(folder, '\\');
  if (slash == nullptr) return false;
  *slash = '\0';
  return true;
}

void CopyOver(const std::string& source, const std::string& target) {
  char folder[kPathChars];
  if (FolderOf(target.c_str(), folder)) SHCreateDirectoryExA(nullptr, folder, nullptr);
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!CopyFileA(source.c_str(), target.c_str(), FALSE))
    Log("\t\tCopy to %s failed: %d\n", target.c_str(), int(GetLastError()));
}

int Install(const char* packagePath, const PackageSummary& summary) {
  char variantName[kNameChars];
  CopyField(variantName, summary.variant);
  Log("\n%s - Installing aircraft configuration for %s\n", Product().shortName, variantName);
  int variant = FindVariantIndex(variantName);
  if (variant < 0) {
    SetHostError("This aircraft configuration file is for the %s, but that variant is not known!", variantName);
    return kResultFailed;
  }
  if (!Product().variants[variant].installed) {
    SetHostError("This aircraft configuration file is for the %s, but that variant is not installed!", variantName);
    return kResultFailed;
  }

  files::WorkFolder work;
  if (!work.ok()) {
    SetHostError("There was an error creating a temporary folder!");
    return kResultFailed;
  }
  PackageArchive archive(packagePath);
  archive.Open();
  archive.ExtractFile(kSettingsFile, work.path());
  char name[100];
  ReadProfileText(work.File(kSettingsFile).c_str(), kSettingsSection, "Name", "", name);
  Log("\tLivery: %s\n", name);
  int entry = FindLivery(variant, name);
  if (entry < 0) {
    SetHostError("This aircraft configuration file is for the %s %s, but that livery is not installed!", variantName,
                 name);
    return kResultFailed;
  }

  char config[kPathChars], registration[100];
  VariantConfigFile(variant, config);
  ReadProfileText(config, EntrySection(entry).c_str(), "atc_id", "", registration);
  // The registration names the settings file; it must stay one name in the settings folder.
  if (!IsSafeFileName(registration)) {
    SetHostError("The livery \"%s\" has the invalid atc_id value \"%s\"!", name, registration);
    return kResultFailed;
  }
  const std::string folder = AirframeSettingsFolder(false);
  if (folder.empty()) {
    SetHostError("This aircraft configuration file is for the %s %s, but no simulator folder is known!", variantName,
                 name);
    return kResultFailed;
  }
  const std::string target = folder + registration + ".ini";
  const std::string backup = AirframeSettingsFolder(true) + registration + ".ini";
  archive.ExtractFile("Aircraft.ini", work.path());
  const std::string source = work.File("Aircraft.ini");
  Log("\tSettings file: %s\n", target.c_str());
  CopyOver(source, target);
  CopyOver(source, backup);
  return kResultDone;
}

}  // namespace

int InstallAircraftIni(const char* packagePath, const PackageSummary& summary) {
  try {
    return Install(packagePath, summary);
  } catch (const std::bad_alloc&) {
    Log("\n%s", Cabinet::kOutOfMemoryText);
    SetHostError("%s", Cabinet::kOutOfMemoryText);
    return kResultFailed;
  }
}

}  // namespace zelva::module
