#include "LiveryPackage.h"

#include <new>
#include <string>

#include "ArchiveCodes.h"
#include "ConfigRewrite.h"
#include "FixedText.h"
#include "InstallCommon.h"
#include "InstallMessages.h"
#include "LiveryEntries.h"
#include "LiveryFacts.h"
#include "LiveryFiles.h"
#include "LiveryList.h"
#include "LiveryPaths.h"
#include "ModuleContext.h"
#include "PackageArchive.h"
#include "ProfileSection.h"
#include "TextureExtraction.h"
#include "TextureTarget.h"
#include "VariantCodes.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

constexpr char kSingleLivery[] = "Single Livery";
constexpr char kConfigFile[] = "Config.cfg";
constexpr char kLiverySection[] = "fltsim.x";
constexpr int kVariantNotInstalled = 99999;
constexpr size_t kLongValue = 1000;

bool IsSingleLivery(const files::WorkFolder& work) {
  char type[kNameChars];
  ReadProfileText(work.File(kSettingsFile).c_str(), kSettingsSection, "Type", kSingleLivery, type);
  return _stricmp(type, kSingleLivery) == 0;
}

int NoWorkFolder() {
  SetLiveryError("There was an error creating a temporary folder!");
  return kResultFailed;
}

// The package's values that become names on disk: the texture folder and the
// settings file of the registration. Checked whole, before anything is written.
bool PackageValuesAreSafe(const char* workConfig, const LiveryFacts& livery) {
  char texture[kLongValue], registration[kLongValue];
  ReadProfileText(workConfig, kLiverySection, "texture", "", texture);
  ReadProfileText(workConfig, kLiverySection, "atc_id", "", registration);
  if (!IsSafeFileName(texture)) {
    Log("\tUnsafe texture value: %s\n", texture);
    SetLiveryError("\"%s\" has the invalid texture value \"%s\"!", livery.name, texture);
    return false;
  }
  if (registration[0] != '\0' && !IsSafeFileName(registration)) {
    Log("\tUnsafe atc_id value: %s\n", registration);
    SetLiveryError("\"%s\" has the invalid atc_id value \"%s\"!", livery.name, registration);
    return false;
  }
  return true;
}

int AllowWriting(const char* configPath) {
  DWORD attributes = GetFileAttributesA(configPath);
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return kResultDone;
  Log("\tAircraft.cfg was read-only\n");
  switch (AskFormatted("Error", MB_YESNOCANCEL | MB_ICONERROR, "%s",
                  "Aircraft.cfg file is Read-Only!\nWould you like to remove Read-Only status?")) {
    case IDYES:
      SetFileAttributesA(configPath, attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
      Log("\t\tCleared\n");
      return kResultDone;
    case IDNO:
      Log("\tUser said no!\n");
      return kResultDeclined;
    default:
      Log("\tUser aborted!\n");
      return kResultCancelled;
  }
}

// Finds the entry of a livery with the same title; asks whether to reinstall it.
int FindInstalledEntry(LiveryFacts& livery) {
  // One read for all entries: a profile lookup per entry costs a large fleet dearly.
  const livery::AircraftConfig installed = ReadAircraftConfig(livery.configPath);
  for (int entry = 0;; ++entry) {
    const std::string title = installed.Value(entry, "title", 200);
    if (title.empty()) {
      Log("\tLivery not already installed\n");
      livery.entry = entry;
      return kResultDone;
    }
    if (_stricmp(title.c_str(), livery.title) != 0) continue;
    Log("\tLivery already installed\n");
    if (AskFormatted("Livery Already Installed", MB_YESNO | MB_ICONQUESTION,
                "The following livery already exists:\n%s\n\nWould you like to reinstall?", livery.name) != IDYES) {
      Log("\tUser doesn't want to reinstall!\n");
      return kResultDeclined;
    }
    livery.entry = entry;
    livery.reinstall = true;
    return kResultDone;
  }
}

int WriteEntry(LiveryFacts& livery, const char* workConfig) {
  const std::string section = ReadProfileSection(workConfig, kLiverySection);
  if (livery.reinstall) {
    Log("\tUpdating aircraft.cfg\n");
    RewriteResult result = ReplaceLiveryEntry(livery.configPath, livery.entry, section, false);
    // A refusal has been shown to the user already.
    return result == RewriteResult::Done || ShowRewriteFailure(result) ? kResultDone : kResultDeclined;
  }
  int entry = livery.entry;
  for (;; ++entry) {
    char title[10];
    ReadProfileText(livery.configPath, EntrySection(entry).c_str(), "title", "", title);
    if (title[0] == '\0') break;
  }
  Log("\tAdding aircraft.cfg entry\n");
  // A refusal has been shown to the user already.
  if (!InsertLiveryEntry(livery.configPath, entry, section)) return kResultDeclined;
  livery.entry = entry;
  return kResultDone;
}

int InstallLivery(PackageArchive& archive, const files::WorkFolder& work, int version) {
  Log("\nInstalling livery ZLP\n");
  Log("\tWorking folder: %s\n", work.path());
  const std::string settings = work.File(kSettingsFile);
  Log("\tSettings file: %s\n", settings.c_str());
  archive.ExtractFile("Aircraft.INI", work.path());
  archive.ExtractFile(kConfigFile, work.path());
  const std::string config = work.File(kConfigFile);

  LiveryFacts livery;
  ReadProfileText(config.c_str(), kLiverySection, "title", "", livery.title);
  Log("\tLivery title: %s\n", livery.title);
  ReadProfileText(config.c_str(), kLiverySection, "ui_variation", "", livery.name);
  Log("\tLivery name: %s\n", livery.name);
  SetBusyLayout(1);
  SetBusyText(1, "Beginning installation...");
  const std::string installing = std::string("Installing ") + livery.name + "...";

  char aircraft[kNameChars];
  ReadProfileText(settings.c_str(), kSettingsSection, "Aircraft", "UNKNOWN AIRCRAFT", aircraft);
  if (_stricmp(aircraft, Product().packageAircraftName) != 0) {
    Log("\tWrong Aircraft!\n");
    SetLiveryError("\"%s\" is from the wrong ZELVA product!", livery.name);
    return kResultFailed;
  }

  char variant[kNameChars];
  ReadProfileText(settings.c_str(), kSettingsSection, "Variant", "UNKNOWN VAR", variant);
  Log("\tVariant: %s\n", variant);
  livery.variant = FindVariantIndex(VariantNameOfPackage(variant, version));
  if (livery.variant < 0) {
    Log("\tCouldn't find this variant!\n");
    SetLiveryError("\"%s\" is from an unknown product variant!", livery.name);
    return kResultFailed;
  }
  const char* variantName = Product().variants[livery.variant].name;
  Log("\tVariant %01d: %s\n", livery.variant + 1, variantName);

  bool known = VariantConfigFile(livery.variant, livery.configPath);
  Log("\t\tPath: %s\n", livery.configPath);
  if (!known || GetPrivateProfileIntA("fuel", "fuel_type", kVariantNotInstalled, livery.configPath) ==
                    UINT(kVariantNotInstalled)) {
    Log("\tVariant not installed during install check LivMgrLib!\n");
    SetLiveryError("\"%s\" is for the %s but that variant is not installed!", livery.name, variantName);
    return kResultFailed;
  }
  Log("\t\tFound variant!\n");
  if (!PackageValuesAreSafe(config.c_str(), livery)) return kResultFailed;

  VariantAircraftFolder(livery.variant, livery.aircraftFolder);
  Log("\tAircraft path: %s\n", livery.aircraftFolder);
  Log("\tAircraft Config: %s\n", livery.configPath);
  int result = AllowWriting(livery.configPath);
  if (result == kResultDone) result = FindInstalledEntry(livery);
  if (result != kResultDone) return result;

  ReadProfileText(config.c_str(), kLiverySection, "texture", "", livery.texture);
  text::CopyBounded(livery.packageFolder, "Texture.");
  text::AppendBounded(livery.packageFolder, livery.texture);
  Log("\tTexture folder in cab: %s\n", livery.packageFolder);
  TextureTarget target;
  result = ChooseTextureTarget(livery, config.c_str(), target);
  if (result != kResultDone) return result;
  RepaintLiveryPage();
  InstallTextureFiles(archive, livery, target, installing);

  result = WriteEntry(livery, config.c_str());
  if (result != kResultDone) return result;
  // The entry now names the folder the textures went to.
  char texture[kNameChars], textureFolder[kNameChars];
  ReadProfileText(config.c_str(), kLiverySection, "texture", "", texture);
  text::CopyBounded(textureFolder, "Texture.");
  text::AppendBounded(textureFolder, texture);
  InstallAirframeSettings(textureFolder, texture, livery.variant, livery.aircraftFolder, work.path(), livery.title,
                          livery.reinstall, livery.entry);
  SortLiveryEntries(livery.variant);
  return kResultDone;
}

int Prepare(const char* packagePath) {
  int result = kResultDone;
  {
    files::WorkFolder work;
    if (!work.ok()) return NoWorkFolder();
    PackageArchive archive(packagePath);
    archive.Open();
    archive.ExtractFile(kSettingsFile, work.path());
    if (IsSingleLivery(work)) {
      int version = int(GetPrivateProfileIntA(kSettingsSection, "FileVersion", 0, work.File(kSettingsFile).c_str()));
      Log("\tZLP Version: %d\n", version);
      if (version == 0 || version == 1) result = InstallLivery(archive, work, version);
    }
  }
  int shown = ShownLiveryVariant();
  if (shown >= 0) ReadLiveryList(shown);
  return result;
}

int InstallOrFail(const char* packagePath) {
  files::WorkFolder work;
  if (!work.ok()) return NoWorkFolder();
  PackageArchive archive(packagePath);
  archive.Open();
  archive.ExtractFile(kSettingsFile, work.path());
  if (!IsSingleLivery(work)) return kResultDeclined;
  // One open archive per thread: the preparation opens its own.
  archive.Close();
  return Prepare(packagePath);
}

}  // namespace

int InstallLiveryPackage(const char* packagePath) {
  Log("LiveryMan processing ZLP\n");
  SetBusyLayout(1);
  SetBusyText(1, "Preparing ZLP File...");
  ClearLiveryError();
  int result;
  try {
    result = InstallOrFail(packagePath);
  } catch (const std::bad_alloc&) {
    Log("\n%s", Cabinet::kOutOfMemoryText);
    SetLiveryError("%s", Cabinet::kOutOfMemoryText);
    result = kResultFailed;
  }
  if (result == kResultFailed &&
      AskFormatted("An error occured", MB_OKCANCEL | MB_ICONERROR, "The following error occured:\n\n%s\n\n",
              LiveryErrorText()) == IDCANCEL)
    result = kResultCancelled;
  return result;
}

}  // namespace zelva::module
