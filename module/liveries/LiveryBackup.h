// The module's livery backup file in the host's data folder: read, refreshed
// from the variants' aircraft.cfg, emptied.
#pragma once

#include <string>
#include <vector>

#include "LiveryBackupFile.h"

namespace zelva::module {

// "<host data folder><short name> Livery Backup.dat"; empty without a host.
std::string LiveryBackupPath();

// The records of the file that name one of the product's variants and a
// plain texture name: nothing else is ever looked at or deleted for a record.
// logEntries writes the lost-livery check's line for each.
std::vector<livery::LiveryBackupRecord> ReadLiveryBackup(bool logEntries = false);

// Rewrites the file: every entry of every variant as it stands now, and the
// records of entries that are gone as long as their texture folder is there.
void RefreshLiveryBackup();

// Leaves an empty file, so that the next refresh keeps only present entries.
void EmptyLiveryBackup();

// Index of the variant whose aircraft folder has that name (case ignored), or -1.
int VariantOfFolder(const std::string& folderName);

// The aircraft folder of the record's variant + "\texture." + texture; empty
// when there is none.
std::string RecordTextureFolder(const livery::LiveryBackupRecord& record);

bool FolderExists(const std::string& path);

}  // namespace zelva::module
