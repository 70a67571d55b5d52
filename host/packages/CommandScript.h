// The steps of a "Command" package, read and checked as a whole before any
// of them runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PackageSettings.h"
#include "PathVariables.h"

namespace zelva::host {

enum CommandCode : int {
  kCommandCopyFile = 1,
  kCommandExtractCabinet = 4,
  kCommandCopyFiles = 6,
};

struct CommandStep {
  int code;
  std::wstring source;             // 1, 4: full path below the working folder
  std::string target;              // 1: destination file; 4, 6: folder with trailing backslash
  std::vector<std::string> files;  // 6: paths relative to both folders, "\" separated
};

// The steps in section order; steps of other codes are left out. A value
// that would lead outside the place it is meant for, or a path that does not
// fit, refuses the whole script: the result is then -2 with the host error
// text naming the value, else 0.
int32_t ReadCommandScript(const PackageSettings& settings, const std::string& workingFolder,
                          const text::PathVariableValues& variables, std::vector<CommandStep>& steps);

}  // namespace zelva::host
