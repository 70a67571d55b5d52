#include "SoundSetWork.h"

#include "SoundRules.h"

namespace zelva::sound {
namespace {

constexpr char kExamining[] = "Examining sound files...";
constexpr char kBackingUp[] = "Backing up sound files...";
constexpr char kInstalling[] = "Installing Soundset...";

bool SameContent(SoundFiles& files, const std::string& a, const std::string& b) {
  std::string first, second;
  return files.Digest(a, first) && files.Digest(b, second) && first == second;
}

std::string DigestOrEmpty(SoundFiles& files, const std::string& path) {
  std::string hex;
  return files.Digest(path, hex) ? hex : std::string();
}

const char* ExteriorFolderOf(int alternative) {
  return alternative == kSecondAlternative ? kSurroundFolder : kStereoFolder;
}

}  // namespace

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\') return folder + name;
  return folder + '\\' + name;
}

bool FileExists(SoundFiles& files, const std::string& path) {
  files.Log("Entered FileTimeToString():\n");
  for (int attempt = 0; attempt < kExistenceAttempts; ++attempt) {
    switch (files.Open(path)) {
      case Probe::kPresent:
        return true;
      case Probe::kAbsent:
        return false;
      case Probe::kBusy:
        break;
    }
  }
  return false;
}

int CountAlternativeFiles(SoundFiles& files, const std::string& interiorFolder) {
  const std::string alternative = Join(interiorFolder, kAlternativeFolder);
  FolderContent top;
  if (!files.List(alternative, top)) return 0;
  int count = int(top.files.size());
  for (const std::string& group : top.folders) {
    FolderContent content;
    if (IsGroupName(group) && files.List(Join(alternative, group), content)) count += int(content.files.size());
  }
  return count;
}

bool InteriorPackagePresent(SoundFiles& files, const std::string& interiorFolder) {
  return CountAlternativeFiles(files, interiorFolder) >= kInteriorPackageFiles;
}

bool ExteriorPackagePresent(SoundFiles& files, const std::string& aircraftFolder) {
  for (const char* name : {kStereoFolder, kSurroundFolder}) {
    FolderContent content;
    if (!files.List(Join(aircraftFolder, name), content) || content.files.size() < size_t(kExteriorPackageFiles))
      return false;
  }
  return true;
}

int ActiveExteriorAlternative(SoundFiles& files, const std::string& aircraftFolder) {
  const std::string active = Join(aircraftFolder, kActiveExteriorFolder);
  for (int alternative : {kFirstAlternative, kSecondAlternative}) {
    const std::string source = Join(aircraftFolder, ExteriorFolderOf(alternative));
    FolderContent content;
    if (!files.List(source, content)) return alternative;
    bool allEqual = true;
    for (const std::string& file : content.files) {
      if (!SameContent(files, Join(source, file), Join(active, file))) {
        allEqual = false;
        break;
      }
    }
    if (allEqual) return alternative;
  }
  return kNoAlternative;
}

int ActiveInteriorAlternative(SoundFiles& files, const std::string& interiorFolder) {
  files.Show(1, kExamining);
  const std::string alternative = Join(interiorFolder, kAlternativeFolder);
  const std::string backup = Join(interiorFolder, kBackupFolder);
  FolderContent top;
  if (!files.List(interiorFolder, top)) return kNoAlternative;
  ActiveSetTally tally;
  for (const std::string& group : top.folders) {
    FolderContent content;
    if (!IsActiveGroupName(group) || !files.List(Join(interiorFolder, group), content)) continue;
    for (const std::string& file : content.files) {
      files.Show(2, file);
      const std::string alternativeFile = Join(Join(alternative, group), file);
      const std::string backupFile = Join(Join(backup, group), file);
      if (!FileExists(files, alternativeFile) || !FileExists(files, backupFile)) continue;
      tally.Add(FileValue({DigestOrEmpty(files, Join(Join(interiorFolder, group), file)),
                           DigestOrEmpty(files, alternativeFile), DigestOrEmpty(files, backupFile)}));
      if (tally.Settled()) return kNoAlternative;
    }
  }
  return tally.Result();
}

void BackUpStockFiles(SoundFiles& files, const std::string& interiorFolder) {
  files.Show(1, kBackingUp);
  const std::string alternative = Join(interiorFolder, kAlternativeFolder);
  const std::string backup = Join(interiorFolder, kBackupFolder);
  FolderContent top;
  if (!files.List(alternative, top)) return;
  for (const std::string& group : top.folders) {
    FolderContent content;
    if (!IsActiveGroupName(group) || !files.List(Join(alternative, group), content)) continue;
    const std::string backupGroup = Join(backup, group);
    if (!content.files.empty()) {
      files.MakeFolder(backup);
      files.MakeFolder(backupGroup);
    }
    for (const std::string& file : content.files) {
      files.Show(2, file);
      const std::string backupFile = Join(backupGroup, file);
      if (FileExists(files, backupFile)) continue;
      // A backup that could not be seen (held open throughout) is still not replaced.
      files.Copy(Join(Join(interiorFolder, group), file), backupFile, false);
    }
  }
}

void InstallExteriorAlternative(SoundFiles& files, const std::string& aircraftFolder, int alternative) {
  if (alternative != kFirstAlternative && alternative != kSecondAlternative) return;
  files.Show(1, kInstalling);
  const std::string source = Join(aircraftFolder, ExteriorFolderOf(alternative));
  const std::string active = Join(aircraftFolder, kActiveExteriorFolder);
  FolderContent content;
  if (!files.List(source, content)) return;
  for (const std::string& file : content.files) {
    files.Show(2, file);
    files.Copy(Join(source, file), Join(active, file), true);
  }
}

void InstallInteriorAlternative(SoundFiles& files, const std::string& interiorFolder, int alternative) {
  if (alternative != kFirstAlternative && alternative != kSecondAlternative) return;
  if (alternative == kSecondAlternative) BackUpStockFiles(files, interiorFolder);
  files.Show(1, kInstalling);
  const std::string source =
      Join(interiorFolder, alternative == kSecondAlternative ? kAlternativeFolder : kBackupFolder);
  FolderContent top;
  if (!files.List(source, top)) return;
  for (const std::string& group : top.folders) {
    FolderContent content;
    if (!IsActiveGroupName(group) || !files.List(Join(source, group), content)) continue;
    for (const std::string& file : content.files) {
      files.Show(2, file);
      files.Copy(Join(Join(source, group), file), Join(Join(interiorFolder, group), file), true);
    }
  }
}

}  // namespace zelva::sound
