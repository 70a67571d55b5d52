// What the livery operations share: entry section names, values that become
// paths, questions to the user, the component's log lines.
#pragma once

#include <windows.h>

#include <string>

#include "ModuleContext.h"

namespace zelva::module {

// "fltsim.<entry>".
std::string EntrySection(int entry);

// A value read from aircraft.cfg that is about to name a file or folder: a
// single plain name (no separators, drive, "..", trailing dot or blank, nor
// wildcards that the shell would expand).
bool IsSafeFileName(const char* value);

// A message box owned by the host's main window; returns the button pressed.
int AskUser(const char* text, const char* caption, UINT style);

// The first limit bytes of a file (all of it when smaller), read while others
// may read, write or delete it; false when it cannot be opened.
bool ReadFileUpTo(const char* path, size_t limit, std::string& bytes);

// Clears the read-only attribute when set; false when the file stays read-only.
bool ClearReadOnly(const char* path);

// A line of this component: "\n<short name> - LivMgrLib: " and the text.
template <typename... Arguments>
void LogLivery(const char* format, Arguments... arguments) {
  std::string line = std::string("\n%s - LivMgrLib: ") + format;
  Log(line.c_str(), Product().shortName, arguments...);
}

}  // namespace zelva::module
