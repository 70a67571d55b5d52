// One operation's working folder in the temporary folder.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// Takes a fresh "ZELVA_HDKnnnn\" name and creates the folder at once, so a
// nested operation cannot be handed the same name; the folder tree goes when
// the owner does, whichever way the operation ends.
class WorkingFolder {
 public:
  WorkingFolder();
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  bool valid() const { return path_[0] != '\0'; }
  const char* path() const { return path_; }  // with trailing backslash

 private:
  char path_[kPathChars] = {};
};

}  // namespace zelva::host
