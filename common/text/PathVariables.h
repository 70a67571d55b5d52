// The path variables a package's destinations are written with:
// "$(FSXPath)", "$(WindowsPath)" and "$(HangardeskPath)", in any case.
#pragma once

#include <cstddef>

namespace zelva::text {

struct PathVariableValues {
  const char* simulatorFolder;  // empty when unknown: "$(FSXPath)\" stays
  const char* windowsFolder;    // with trailing backslash
  const char* programFolder;    // with trailing backslash
};

// Replaces every variable wherever it occurs and copies all else unchanged.
// False, with an empty output, when the result does not fit capacity bytes
// (terminator included).
bool ExpandPathVariables(const char* target, const PathVariableValues& values, char* output, size_t capacity);

}  // namespace zelva::text
