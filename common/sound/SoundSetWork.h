// The work on sound folders: whether a package's files are present, which
// alternative is active, the back-up of the stock interior files and the
// installation of an alternative. Folders are the record's base paths: the
// interior sound folder, or a variant's aircraft folder.
#pragma once

#include <string>

#include "SoundFiles.h"

namespace zelva::sound {

// A file the simulator holds open is tried this often before it counts as
// absent.
constexpr int kExistenceAttempts = 200;

// Present when it opens; absent when it does not exist, or when it stayed
// busy for every attempt.
bool FileExists(SoundFiles& files, const std::string& path);

// Plain files of "22KHz\" and of its group folders.
int CountAlternativeFiles(SoundFiles& files, const std::string& interiorFolder);
bool InteriorPackagePresent(SoundFiles& files, const std::string& interiorFolder);
// Both alternative folders, each with enough plain files.
bool ExteriorPackagePresent(SoundFiles& files, const std::string& aircraftFolder);

// The first alternative whose every file equals the active one of the same
// name (an alternative folder that cannot be listed counts as equal); 0 when
// neither does.
int ActiveExteriorAlternative(SoundFiles& files, const std::string& aircraftFolder);
// By the digests of each active file and its 22 kHz and stock counterparts.
int ActiveInteriorAlternative(SoundFiles& files, const std::string& interiorFolder);

// Copies the active file of every file in "22KHz\" to "Backup\", never over a
// backup that exists: the backup keeps the stock files from before the first
// 22 kHz install, however often this runs.
void BackUpStockFiles(SoundFiles& files, const std::string& interiorFolder);

// Copies the alternative's files over the active ones. The 22 kHz set is
// only installed after the back-up.
void InstallExteriorAlternative(SoundFiles& files, const std::string& aircraftFolder, int alternative);
void InstallInteriorAlternative(SoundFiles& files, const std::string& interiorFolder, int alternative);

}  // namespace zelva::sound
