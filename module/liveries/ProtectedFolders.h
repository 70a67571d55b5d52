// Texture folders the user chose to keep although no entry names them: one
// section "<variant name> Protected Folders" per variant in the host's
// configuration file, keys Folder1, Folder2, ... without gaps.
#pragma once

#include <string>
#include <vector>

namespace zelva::module {

std::vector<std::string> ProtectedFolders(int variant);

// Adds the folder name under the first free key; nothing when it is listed already.
void ProtectFolder(int variant, const char* folderName);

// Keeps only the names of folders that still exist beside the variant's
// aircraft.cfg, renumbered from Folder1.
void CompactProtectedFolders(int variant);

}  // namespace zelva::module
