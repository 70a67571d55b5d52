// Working folders "ZELVA_HDKnnnn" in the user's temporary folder, shared by
// the host and the product module: every unpacking step takes one and leaves
// nothing behind.
#pragma once

#include <string>
#include <vector>

#include "ZelvaContract.h"

namespace zelva::files {

// The first "ZELVA_HDK%04d\" path of the temporary folder that names no file
// or folder yet; false when the temporary folder is unusable or all 10,000
// names are taken. The folder is not created.
bool MakeTemporaryFolderName(char (&path)[kPathChars]);

// Deletes every "ZELVA_HDK*" folder of the temporary folder with its content;
// plain files of that name are left.
void ClearTemporaryFolders();

// The "ZELVA_HDK*" folders there are now, as full paths: taken before
// anything of this run works, they are the left-overs of earlier runs, and
// deleting just those spares the folders this run's work has taken meanwhile.
std::vector<std::string> ListTemporaryFolders();
void DeleteFolderTrees(const std::vector<std::string>& folders);

// Removes a folder and everything below it, silently and not to the recycle
// bin; true on success.
bool DeleteFolderTree(const char* folder);

// A working folder created with the lowest free number, deleted with its
// content when the owner goes, whichever way the step ends.
class WorkFolder {
 public:
  WorkFolder();
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  bool ok() const { return path_[0] != '\0'; }
  // With a trailing backslash; empty when no folder could be made.
  const char* path() const { return path_; }
  std::string File(const char* name) const { return std::string(path_) + name; }

 private:
  char path_[kPathChars] = {};
};

}  // namespace zelva::files
