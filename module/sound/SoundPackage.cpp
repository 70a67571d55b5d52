#include "SoundPackage.h"

#include <mutex>
#include <vector>

#include "InstallCommon.h"
#include "InstallMessages.h"
#include "LiveryPaths.h"
#include "ModuleContext.h"
#include "PackageArchive.h"
#include "PlatformSoundFiles.h"
#include "SoundDownload.h"
#include "SoundRules.h"
#include "SoundSetRecords.h"
#include "SoundSetWork.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

struct AwaitedPackage {
  std::string path;
  std::string folder;
};

std::mutex& AwaitedLock() {
  static std::mutex lock;
  return lock;
}
std::vector<AwaitedPackage>& Awaited() {
  static std::vector<AwaitedPackage> packages;
  return packages;
}

bool StartsWithoutCase(const wchar_t* text, const wchar_t* prefix) {
  size_t length = wcslen(prefix);
  return wcslen(text) >= length && CompareStringOrdinal(text, int(length), prefix, int(length), TRUE) == CSTR_EQUAL;
}

// Only the alternative folders of the package's kind reach the simulator.
INT_PTR SelectInteriorEntry(const Cabinet::CabFileEntry* entry, INT_PTR) {
  return StartsWithoutCase(entry->relativePath, L"22KHz\\") ? 1 : 0;
}
INT_PTR SelectExteriorEntry(const Cabinet::CabFileEntry* entry, INT_PTR) {
  return StartsWithoutCase(entry->relativePath, L"sound.stereo\\") ||
                 StartsWithoutCase(entry->relativePath, L"sound.surround\\")
             ? 1
             : 0;
}

bool Unpack(const char* packagePath, const char* folder, Cabinet::BeforeCopyCallback select) {
  PackageArchive archive(packagePath);
  if (!archive.Open()) return false;
  std::wstring target = win::WideFromAnsi(folder);
  if (archive.ExtractSelected(target.c_str(), select, 0)) return true;
  const Cabinet::ExtractError& error = archive.error();
  Log("\tSound package extraction failed: %u, %u\n", error.code, error.systemError);
  return false;
}

int32_t InstallInterior(const char* packagePath) {
  char folder[kPathChars];
  if (!InteriorSoundFolder(folder)) {
    SetHostError("The sound package cannot be installed: the simulator's folder is not known.");
    return kResultFailed;
  }
  if (GetFileAttributesA(folder) == INVALID_FILE_ATTRIBUTES) {
    SetHostError("The sound package cannot be installed: the %s's interior sounds are not installed in\n%s",
                 Product().displayName, folder);
    return kResultFailed;
  }
  SetBusyLayout(2);
  SetBusyText(1, "Extracting files...");
  if (!Unpack(packagePath, folder, &SelectInteriorEntry)) {
    SetHostError("The sound package could not be extracted. It may be damaged; please download it again.");
    return kResultFailed;
  }
  // The stock files are kept before the first 22 kHz file replaces them.
  PlatformSoundFiles files;
  sound::InstallInteriorAlternative(files, folder, sound::kSecondAlternative);
  return kResultDone;
}

int32_t InstallExterior(const char* packagePath, int variant) {
  char folder[kPathChars];
  if (!VariantAircraftFolder(variant, folder) || GetFileAttributesA(folder) == INVALID_FILE_ATTRIBUTES) {
    SetHostError("This sound package is for the %s, but that variant is not installed!",
                 Product().variants[variant].name);
    return kResultFailed;
  }
  SetBusyLayout(2);
  SetBusyText(1, "Extracting files...");
  if (!Unpack(packagePath, folder, &SelectExteriorEntry)) {
    SetHostError("The sound package could not be extracted. It may be damaged; please download it again.");
    return kResultFailed;
  }
  return kResultDone;
}

}  // namespace

int32_t InstallSoundPackage(const char* packagePath, const PackageSummary& summary) {
  char variantName[kNameChars];
  CopyField(variantName, summary.variant);
  Log("\n%s - Installing sound package %s\n", Product().shortName, packagePath);
  int32_t result = kResultFailed;
  try {
    if (variantName[0] == '\0') {
      result = InstallInterior(packagePath);
    } else {
      int variant = FindVariantIndex(variantName);
      if (HasExteriorSoundSet(variant)) {
        result = InstallExterior(packagePath, variant);
      } else {
        SetHostError("This sound package is for the %s, which has no sound sets of its own.", variantName);
      }
    }
  } catch (...) {
    SetHostError("The sound package could not be installed.");
  }
  Log("\tSound package result: %d\n", int(result));
  ReleaseDownloadedPackage(packagePath);
  // The host may have queued the package behind others: the page that
  // offered it learns of the install only now.
  if (result == kResultDone)
    TellSoundPage(variantName[0] == '\0' ? 0 : ExteriorRecordOfVariant(FindVariantIndex(variantName)));
  return result;
}

void AwaitDownloadedPackage(const std::string& packagePath, const std::string& folder) {
  std::lock_guard<std::mutex> guard(AwaitedLock());
  Awaited().push_back({packagePath, folder});
}

bool ReleaseDownloadedPackage(const std::string& packagePath) {
  std::string folder;
  {
    std::lock_guard<std::mutex> guard(AwaitedLock());
    std::vector<AwaitedPackage>& awaited = Awaited();
    for (auto it = awaited.begin(); it != awaited.end(); ++it) {
      if (_stricmp(it->path.c_str(), packagePath.c_str()) != 0) continue;
      folder = it->folder;
      awaited.erase(it);
      break;
    }
  }
  if (folder.empty()) return false;
  files::DeleteFolderTree(folder.c_str());
  Log("\tDeleted the download folder %s\n", folder.c_str());
  return true;
}

}  // namespace zelva::module
