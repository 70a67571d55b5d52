#include "OrphanedFolders.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ConfigRewrite.h"
#include "Handles.h"
#include "LiveryBackup.h"
#include "LiveryFiles.h"
#include "LiveryNotices.h"
#include "LiveryPaths.h"
#include "LiveryText.h"
#include "LostLiveries.h"
#include "ModuleContext.h"
#include "ProtectedFolders.h"
#include "WorkFolders.h"

namespace zelva::module {

const char* const kProductTextureFolders[5] = {"Texture.Common200LR", "Texture.zelva", "Texture.vc", "Texture.CommonF",
                                               "Texture.Common300ER"};

namespace {

constexpr size_t kPrefixLength = 8;  // "texture."

std::vector<std::string> KnownFolders(int variant) {
  std::vector<std::string> known(std::begin(kProductTextureFolders), std::end(kProductTextureFolders));
  char path[kPathChars];
  if (VariantConfigFile(variant, path)) {
    const livery::AircraftConfig config = ReadAircraftConfig(path);
    // Every entry up to the first without a name; one without a texture uses no folder of its own.
    for (int entry = 0; !config.Value(entry, "ui_variation", 100).empty(); ++entry) {
      std::string texture = config.Value(entry, "texture", kPathChars);
      if (!texture.empty()) known.push_back("Texture." + texture);
    }
  }
  for (std::string& name : ProtectedFolders(variant)) known.push_back(std::move(name));
  for (const livery::LiveryBackupRecord& record : LostLiveries())
    if (VariantOfFolder(record.folder) == variant) known.push_back("Texture." + record.texture);
  return known;
}

bool Listed(const std::vector<std::string>& names, const char* name) {
  for (const std::string& known : names)
    if (livery::EqualWithoutCase(known, name)) return true;
  return false;
}

bool IsTextureFolderName(const char* name) {
  return std::strlen(name) > kPrefixLength && _strnicmp(name, "texture.", kPrefixLength) == 0 &&
         IsSafeFileName(name);
}

int PostOrphans(int variant) {
  char folder[kPathChars];
  if (!VariantAircraftFolder(variant, folder)) return 0;
  const std::vector<std::string> known = KnownFolders(variant);
  const char* variantName = Product().variants[variant].name;
  int posted = 0;
  WIN32_FIND_DATAA found;
  win::FindHandle find(FindFirstFileA((std::string(folder) + "\\texture.*").c_str(), &found));
  if (!find.valid()) return 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsTextureFolderName(found.cFileName) ||
        Listed(known, found.cFileName))
      continue;
    LiveryNotice notice = OrphanedFolderNotice(LiverySimulator(), found.cFileName, variantName);
    notice.answer = &OrphanedFolderAnswer;
    notice.producerData = std::string(folder) + "\\" + found.cFileName;
    notice.producerData += '\0';
    notice.producerData += variantName;
    notice.producerData += '\0';
    if (PostLiveryNotice(notice)) ++posted;
  } while (FindNextFileA(find.get(), &found));
  return posted;
}

// The record's folder, checked against what this module would have posted:
// a texture folder right beside the named variant's aircraft.cfg.
bool FolderOfRecord(const PanelRecord* record, int& variant, std::string& path, std::string& name) {
  if (record == nullptr) return false;
  const char* data = record->producerData;
  size_t pathLength = strnlen(data, sizeof(record->producerData));
  if (pathLength + 1 >= sizeof(record->producerData)) return false;
  path.assign(data, pathLength);
  const char* variantName = data + pathLength + 1;
  std::string variantText(variantName, strnlen(variantName, sizeof(record->producerData) - pathLength - 1));
  variant = -1;
  for (int i = 0; i < Product().variantCount && i < kMaxVariants; ++i)
    if (_stricmp(Product().variants[i].name, variantText.c_str()) == 0) variant = i;
  size_t slash = path.find_last_of('\\');
  if (variant < 0 || slash == std::string::npos) return false;
  name = path.substr(slash + 1);
  char folder[kPathChars];
  return IsTextureFolderName(name.c_str()) && VariantAircraftFolder(variant, folder) &&
         livery::EqualWithoutCase(path.substr(0, slash), folder);
}

}  // namespace

int CheckOrphanedFolders() {
  const ProductInfo& product = Product();
  for (int variant = 0; variant < product.variantCount && variant < kMaxVariants; ++variant)
    CompactProtectedFolders(variant);
  int posted = 0;
  for (int variant = 0; variant < product.variantCount && variant < kMaxVariants; ++variant)
    posted += PostOrphans(variant);
  return posted;
}

extern "C" int32_t __cdecl OrphanedFolderAnswer(PanelRecord* record, int32_t button) {
  try {
    int variant;
    std::string path, name;
    if (!FolderOfRecord(record, variant, path, name)) return 0;
    const std::string action = PressedButton(record, button);
    if (action == "Delete Folder") {
      std::string question = "Are you sure you wish to delete this folder? This cannot be undone!\n\n" + path;
      if (AskUser(question.c_str(), "Are you sure?", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return 0;
      files::DeleteFolderTree(path.c_str());
      return 1;
    }
    if (action == "Ignore") {
      ProtectFolder(variant, name.c_str());
      return 1;
    }
  } catch (...) {
    Log("\nFatal error: Out of memory!\n");
  }
  return 0;
}

}  // namespace zelva::module
