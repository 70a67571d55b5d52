#include "LostLiveries.h"

#include <windows.h>

#include <map>

#include "ConfigRewrite.h"
#include "LiveryBackup.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryList.h"
#include "LiveryNames.h"
#include "LiveryNotices.h"
#include "LiveryPaths.h"
#include "LiveryText.h"
#include "ModuleContext.h"
#include "ProductTemplate.h"
#include "ProtectedFolders.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

std::vector<livery::LiveryBackupRecord>& Lost() {
  static std::vector<livery::LiveryBackupRecord> lost;
  return lost;
}

std::vector<std::string> NamesInConfig(const std::string& folderName) {
  char path[kPathChars];
  if (!VariantConfigFile(VariantOfFolder(folderName), path)) return {};
  const livery::AircraftConfig config = ReadAircraftConfig(path);
  return livery::DisplayNamesOfAllEntries(config.Text());
}

bool Named(const std::vector<std::string>& names, const std::string& name) {
  for (const std::string& known : names)
    if (livery::EqualWithoutCase(known, name)) return true;
  return false;
}

std::string TitleOf(const std::string& section) {
  for (size_t at = 0; at < section.size();) {
    size_t end = section.find('\0', at);
    if (end == std::string::npos) end = section.size();
    std::string line = section.substr(at, end - at);
    size_t equals = line.find('=');
    if (equals != std::string::npos) {
      std::string key = line.substr(0, equals);
      while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
      if (livery::EqualWithoutCase(key, "title")) {
        size_t value = line.find_first_not_of(" \t", equals + 1);
        return value == std::string::npos ? std::string() : line.substr(value);
      }
    }
    at = end + 1;
  }
  return std::string();
}

int Repair() {
  // One rewrite per variant: its lost entries behind the last one, then sorted.
  std::map<int, std::vector<const livery::LiveryBackupRecord*>> byVariant;
  for (const livery::LiveryBackupRecord& record : Lost()) byVariant[VariantOfFolder(record.folder)].push_back(&record);
  bool repaired = false;
  for (const auto& [variant, records] : byVariant) {
    std::vector<std::string> sections;
    for (const livery::LiveryBackupRecord* record : records) sections.push_back(record->section);
    if (!AppendLiveryEntries(variant, sections)) {
      LogLivery("the lost liveries of %s could not be written back\n", Product().variants[variant].name);
      continue;
    }
    repaired = true;
    if (variant == kVariant300Er) {
      for (const livery::LiveryBackupRecord* record : records) {
        std::string folderName = "Texture." + record->texture;
        AddGmcAlias(TitleOf(record->section).c_str(), 0, folderName.c_str(), record->texture.c_str());
      }
    }
    if (ShownLiveryVariant() == variant) ReadLiveryList(variant);
  }
  if (!repaired) {
    AskUser("The missing liveries could not be written back into aircraft.cfg.", "Error", MB_OK | MB_ICONEXCLAMATION);
    return 0;
  }
  ForgetLostLiveries();
  return 1;
}

int DeleteTextures() {
  std::string names;
  for (const livery::LiveryBackupRecord& record : Lost()) {
    if (!names.empty()) names += ", ";
    names += "Texture." + record.texture;
  }
  std::string question = "The follow texture folders will be removed:\n\n" + names +
                         "\n\nAre you sure you wish to delete these folders?";
  if (AskUser(question.c_str(), "Are you sure?", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return 0;
  for (const livery::LiveryBackupRecord& record : Lost()) {
    std::string folder = RecordTextureFolder(record);
    if (!folder.empty()) files::DeleteFolderTree(folder.c_str());
  }
  ForgetLostLiveries();
  EmptyLiveryBackup();
  RefreshLiveryBackup();
  return 1;
}

int Ignore() {
  // The folders stay, and no entry names them: keep them from being offered as orphans.
  for (const livery::LiveryBackupRecord& record : Lost())
    ProtectFolder(VariantOfFolder(record.folder), ("Texture." + record.texture).c_str());
  ForgetLostLiveries();
  EmptyLiveryBackup();
  RefreshLiveryBackup();
  return 1;
}

}  // namespace

bool CheckLostLiveries() {
  ForgetLostLiveries();
  Log("\nChecking for lost liveries\n");
  Log("\tBackup path: %s\n", LiveryBackupPath().c_str());
  std::vector<livery::LiveryBackupRecord> records = ReadLiveryBackup(true);
  Log("\tDone reading backup file.\n");
  Log("\tProcessing %d backup entries.\n", int(records.size()));

  std::string folder;
  std::vector<std::string> names;
  for (livery::LiveryBackupRecord& record : records) {
    if (folder.empty() || !livery::EqualWithoutCase(folder, record.folder)) {
      folder = record.folder;
      names = NamesInConfig(folder);
    }
    if (Named(names, record.name)) {
      Log("\t\t\tLivery found in aircraft.cfg\n");
      continue;
    }
    std::string textures = RecordTextureFolder(record);
    Log("\t\t\tLooking for texture folder: %s\n", textures.c_str());
    if (!FolderExists(textures)) {
      Log("\t\t\tFolder not found.\n");
      continue;
    }
    Log("\t\t\tFolder still exists.  Will alert user.\n");
    Lost().push_back(std::move(record));
  }
  if (Lost().empty()) return false;
  LiveryNotice notice = LostLiveriesNotice(LiverySimulator(), Product().displayName);
  notice.answer = &LostLiveriesAnswer;
  return PostLiveryNotice(notice);
}

extern "C" int32_t __cdecl LostLiveriesAnswer(PanelRecord* record, int32_t button) {
  try {
    const std::string action = PressedButton(record, button);
    if (Lost().empty()) return 1;  // answered before: nothing is left to do
    if (action == "Repair Liveries") return Repair();
    if (action == "Delete Textures") return DeleteTextures();
    if (action == "Ignore") return Ignore();
  } catch (...) {
    Log("\nFatal error: Out of memory!\n");
  }
  return 0;
}

const std::vector<livery::LiveryBackupRecord>& LostLiveries() { return Lost(); }
void ForgetLostLiveries() { Lost().clear(); }

}  // namespace zelva::module
