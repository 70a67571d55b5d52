// The version evaluation: the maker's "Versions.ini" against the version
// list, and a notification for each entry with an update, once per run.
#pragma once

#include <string>

namespace zelva::module {

// The address of the maker's version archive, which also holds the changelogs.
std::wstring ProductVersionsUrl();

// Fetches "Versions.ini" into folder (with trailing backslash); on a worker
// thread. Returns the file's path, or an empty text when it could not be had.
std::string FetchVersionsFile(const char* folder);

// Module command 14: reads the file the host fetched (a missing file offers
// nothing) and posts the notifications. With null, fetches the file itself
// under the working dialog first.
void EvaluateVersions(const char* versionsFile);

// Posts a notification for every entry with an update and none yet, unless
// the Version page is open (it shows the same).
void PostUpdateNotices();

void SetVersionPageOpen(bool open);

}  // namespace zelva::module
