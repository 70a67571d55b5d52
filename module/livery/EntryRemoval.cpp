#include <windows.h>
#include <shellapi.h>

#include <string>

#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "ProfileSection.h"

namespace zelva::module {
namespace {

// Whether an entry other than the removed one still uses the texture folder.
bool TextureStillUsed(const char* path, int removed, const std::string& texture) {
  for (int entry = 0;; ++entry) {
    std::string section = EntrySection(entry);
    if (ReadProfileSection(path, section.c_str()).empty()) return false;
    if (entry != removed && _stricmp(ReadProfileValue(path, section.c_str(), "texture", 100).c_str(),
                                     texture.c_str()) == 0)
      return true;
  }
}

void DeleteTextureFolder(const char* aircraftFolder, const char* path, int entry, const std::string& texture) {
  if (texture.empty()) return;  // "texture." alone would name no folder of this entry
  if (!IsSafeFileName(texture.c_str())) {
    LogLivery("texture \"%s\" of fltsim.%d is no folder name; no folder deleted\n", texture.c_str(), entry);
    return;
  }
  if (TextureStillUsed(path, entry, texture)) {
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

int RemoveLiveryEntry(int entry, int variant) {
  char folder[kPathChars], path[kPathChars];
  if (entry < 0 || !VariantAircraftFolder(variant, folder) || !VariantConfigFile(variant, path)) return kResultDeclined;

  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    int answer = AskUser("Aircraft.cfg file is Read-Only!\nWould you like to remove Read-Only status?", "Error",
                         MB_YESNOCANCEL | MB_ICONERROR);
    if (answer == IDNO) return kResultDeclined;
    if (answer != IDYES) return kResultCancelled;
    ClearReadOnly(path);
  }

  std::string section = EntrySection(entry);
  std::string texture = ReadProfileValue(path, section.c_str(), "texture", 30);
  std::string title = ReadProfileValue(path, section.c_str(), "title", 100);
  std::string textureFolderName = "texture." + texture;
  RemoveAirframeSettings(title.c_str(), textureFolderName.c_str(), variant, folder, entry);
  DeleteTextureFolder(folder, path, entry, texture);

  // Close the gap: every later entry moves down by one, whole.
  int last = entry;
  for (;; ++last) {
    std::string next = ReadProfileSection(path, EntrySection(last + 1).c_str());
    if (next.empty()) break;
    WritePrivateProfileSectionA(EntrySection(last).c_str(), next.c_str(), path);
  }
  WritePrivateProfileStringA(EntrySection(last).c_str(), nullptr, nullptr, path);
  return kResultDone;
}

}  // namespace zelva::module
