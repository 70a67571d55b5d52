// Working folders "ZELVA_HDKnnnn" in the user's temporary folder, one per
// unpacking step, gone again when the step ends however it ends.
#pragma once

#include <string>

#include "ZelvaContract.h"

namespace zelva::module {

class WorkFolder {
 public:
  // Creates the folder with the lowest free number; ok() tells whether one was made.
  WorkFolder();
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  bool ok() const { return path_[0] != '\0'; }
  // With a trailing backslash; empty when no folder was made.
  const char* path() const { return path_; }
  std::string File(const char* name) const { return std::string(path_) + name; }

 private:
  char path_[kPathChars] = {};
};

// Removes a folder and everything below it, silently and not to the recycle bin.
bool DeleteFolderTree(const char* folder);

}  // namespace zelva::module
