#include "TextureTarget.h"

#include <cstring>

#include "FixedText.h"
#include "InstallCommon.h"
#include "InstallMessages.h"
#include "LiveryFiles.h"
#include "ModuleContext.h"
#include "TextureFolderDialog.h"

namespace zelva::module {
namespace {

constexpr char kLiverySection[] = "fltsim.x";
constexpr size_t kPrefixLength = 8;  // "Texture."

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool SetTarget(TextureTarget& target, const char* aircraftFolder, const char* prefix, const char* name, bool moving) {
  target.moving = moving;
  bool fits = text::CopyBounded(target.folder, aircraftFolder);
  if (prefix != nullptr) fits = text::AppendBounded(target.folder, prefix) && fits;
  if (name != nullptr) fits = text::AppendBounded(target.folder, name) && fits;
  return fits;
}

int TooLong(const LiveryFacts& livery, const char* folder) {
  SetLiveryError("\"%s\" cannot be installed: the path of the texture folder \"%s\" is too long!", livery.name, folder);
  return kResultFailed;
}

int IntoExistingEntry(const LiveryFacts& livery, const char* workConfig, TextureTarget& target) {
  char entryTexture[kNameChars];
  ReadProfileText(livery.configPath, EntrySection(livery.entry).c_str(), "texture", "", entryTexture);
  if (_stricmp(entryTexture, livery.texture) == 0) {
    SetTarget(target, livery.aircraftFolder, nullptr, nullptr, false);
    return kResultDone;
  }
  // The installed entry names the folder; it must not lead anywhere else.
  if (!IsSafeFileName(entryTexture)) {
    SetLiveryError("The installed livery \"%s\" has the invalid texture value \"%s\"!", livery.name, entryTexture);
    return kResultFailed;
  }
  WritePrivateProfileStringA(kLiverySection, "texture", entryTexture, workConfig);
  if (!SetTarget(target, livery.aircraftFolder, "\\Texture.", entryTexture, true)) return TooLong(livery, entryTexture);
  return kResultDone;
}

int IntoFolderTheUserNames(const LiveryFacts& livery, const char* workConfig, TextureTarget& target) {
  char current[kNameChars];
  text::CopyBounded(current, livery.packageFolder);
  for (;;) {
    char entered[kNameChars];
    text::CopyBounded(entered, current);
    if (!AskTextureFolderName(entered)) return kResultDeclined;
    // What the user typed becomes a folder beside aircraft.cfg and the entry's texture value.
    const char* texture = entered + kPrefixLength;
    if (!IsSafeFileName(entered) || !IsSafeFileName(texture)) {
      SetLiveryError("\"%s\" cannot be installed into the texture folder \"%s\"!", livery.name, entered);
      return kResultFailed;
    }
    if (_stricmp(entered, current) == 0 &&
        AskFormatted("Texture Folder Exists", MB_YESNO | MB_ICONQUESTION,
                "The texture folder \"%s\" already exists.  Are you sure you want to use this folder?\n\n"
                "Files in this folder will be overwritten and cannot be recovered.",
                entered) == IDYES) {
      if (!SetTarget(target, livery.aircraftFolder, "\\", entered, true)) return TooLong(livery, entered);
      return kResultDone;
    }
    WritePrivateProfileStringA(kLiverySection, "texture", texture, workConfig);
    text::CopyBounded(current, entered);
    if (!SetTarget(target, livery.aircraftFolder, "\\", entered, true)) return TooLong(livery, entered);
    if (!Exists(target.folder)) return kResultDone;
  }
}

}  // namespace

int ChooseTextureTarget(const LiveryFacts& livery, const char* workConfig, TextureTarget& target) {
  if (livery.reinstall) return IntoExistingEntry(livery, workConfig, target);
  char packageFolder[kPathChars];
  if (!SetTarget(target, livery.aircraftFolder, "\\", livery.packageFolder, false)) return TooLong(livery, livery.packageFolder);
  text::CopyBounded(packageFolder, target.folder);
  if (!Exists(packageFolder)) {
    SetTarget(target, livery.aircraftFolder, nullptr, nullptr, false);
    return kResultDone;
  }
  return IntoFolderTheUserNames(livery, workConfig, target);
}

}  // namespace zelva::module
