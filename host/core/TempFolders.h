// Working folders "ZELVA_HDKnnnn" in the user's temporary folder.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// The first "ZELVA_HDK%04d\" path of the temporary folder that names no file
// or folder yet; false when the temporary folder is unusable or all 10,000
// names are taken. The folder is not created.
bool MakeTemporaryFolderName(char (&path)[kPathChars]);

// Deletes every "ZELVA_HDK*" folder of the temporary folder with its content;
// plain files of that name are left.
void ClearTemporaryFolders();

// Removes a folder and everything below it; true on success.
bool DeleteFolderTree(const char* folder);

}  // namespace zelva::host
