#include "WorkingFolder.h"

#include "TempFolders.h"

namespace zelva::host {

WorkingFolder::WorkingFolder() {
  if (!MakeTemporaryFolderName(path_)) return;
  if (!CreateDirectoryA(path_, nullptr)) path_[0] = '\0';
}

WorkingFolder::~WorkingFolder() {
  if (valid()) DeleteFolderTree(path_);
}

}  // namespace zelva::host
