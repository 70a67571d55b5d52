#include "LiveryBackup.h"

#include <windows.h>

#include "ConfigRewrite.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

// A backup holds at most 5,000 records of at most 30 KB each: past that
// size, only the first part can hold records.
constexpr size_t kLargestBackup = size_t(160) << 20;

bool Usable(const livery::LiveryBackupRecord& record) {
  return VariantOfFolder(record.folder) >= 0 && IsSafeFileName(record.texture.c_str()) && !record.name.empty();
}

// Every entry of every variant as it stands, up to the first without a name.
std::vector<livery::LiveryBackupRecord> CurrentEntries() {
  std::vector<livery::LiveryBackupRecord> current;
  const ProductInfo& product = Product();
  for (int variant = 0; variant < product.variantCount && variant < kMaxVariants; ++variant) {
    char path[kPathChars];
    if (!VariantConfigFile(variant, path)) continue;
    Log("\tScanning for liveries: %s\n", path);
    const livery::AircraftConfig config = ReadAircraftConfig(path);
    for (int entry = 0;; ++entry) {
      livery::LiveryBackupRecord record;
      record.name = config.Value(entry, "ui_variation", livery::kBackupNameBytes);
      if (record.name.empty()) break;
      record.texture = config.Value(entry, "texture", kPathChars);
      // An entry of the aircraft's own texture folder has nothing to repair.
      if (record.texture.empty()) continue;
      record.folder = product.variants[variant].folderName;
      record.section = config.SectionText(entry);
      if (!livery::FitsLiveryBackup(record)) {
        Log("\t\tLivery %s does not fit a backup record; not backed up\n", record.name.c_str());
        continue;
      }
      current.push_back(std::move(record));
    }
  }
  return current;
}

}  // namespace

std::string LiveryBackupPath() {
  const HostContext* host = Host();
  if (host == nullptr || host->dataFolder[0] == '\0') return std::string();
  std::string path = host->dataFolder;
  if (path.back() != '\\') path += '\\';
  return path + Product().shortName + " Livery Backup.dat";
}

int VariantOfFolder(const std::string& folderName) {
  const ProductInfo& product = Product();
  for (int variant = 0; variant < product.variantCount && variant < kMaxVariants; ++variant) {
    const char* folder = product.variants[variant].folderName;
    if (folder != nullptr && _stricmp(folder, folderName.c_str()) == 0) return variant;
  }
  return -1;
}

std::string RecordTextureFolder(const livery::LiveryBackupRecord& record) {
  char folder[kPathChars];
  if (!IsSafeFileName(record.texture.c_str()) || !VariantAircraftFolder(VariantOfFolder(record.folder), folder))
    return std::string();
  return std::string(folder) + "\\texture." + record.texture;
}

bool FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<livery::LiveryBackupRecord> ReadLiveryBackup(bool logEntries) {
  std::vector<livery::LiveryBackupRecord> records;
  std::string bytes;
  const std::string path = LiveryBackupPath();
  if (path.empty() || !ReadFileUpTo(path.c_str(), kLargestBackup, bytes)) {
    Log("\tError opening backup file.\n");
    return records;
  }
  for (livery::LiveryBackupRecord& record : livery::ParseLiveryBackup(bytes)) {
    if (logEntries) Log("\t\tBackup entry: %s for %s\n", record.name.c_str(), record.folder.c_str());
    if (Usable(record)) records.push_back(std::move(record));
  }
  return records;
}

void RefreshLiveryBackup() {
  const std::string path = LiveryBackupPath();
  if (path.empty()) return;
  Log("%s - Backing up liveries\n", Product().shortName);
  Log("\tAllocating space\n");
  Log("\tBackup file: %s\n", path.c_str());
  Log("\tReading current entries\n");
  std::vector<livery::LiveryBackupRecord> records = ReadLiveryBackup();
  livery::MergeCurrentEntries(records, CurrentEntries());

  Log("\tChecking for existing textures\n");
  std::vector<livery::LiveryBackupRecord> kept;
  for (livery::LiveryBackupRecord& record : records)
    if (FolderExists(RecordTextureFolder(record))) kept.push_back(std::move(record));

  Log("\tSaving data\n");
  // A new file beside the old one, moved over it: a crash leaves one of them whole.
  if (!ReplaceWholeFile(path.c_str(), livery::SerializeLiveryBackup(kept))) {
    Log("\t\tFailed to open backup file!\n");
    return;
  }
  Log("\tCleaning up\n");
  Log("\tDone\n");
}

void EmptyLiveryBackup() {
  const std::string path = LiveryBackupPath();
  if (!path.empty()) ReplaceWholeFile(path.c_str(), std::string());
}

}  // namespace zelva::module
