// The livery entries [fltsim.N] of a variant's aircraft.cfg: lookup, insertion,
// order, removal, and the airframe settings files and GMC alias that follow an
// entry. Entry numbers are 0-based and gap-free; variant indexes are 0-based
// into Product().variants; folder paths carry no trailing backslash, work
// folders do. Every operation runs on the user-interface thread.
#pragma once

#include <string>

namespace zelva::module {

bool IsLiveryInstalled(int variant, const char* name);

// Places "[fltsim.<entry>]" with the given key=value strings (each ended by a
// NUL as ReadProfileSection gives them, or by a line break) directly behind
// the section of entry - 1. False when it stopped (its message was shown); at
// every moment a complete aircraft.cfg exists, and "aircraft.cfg_old" holds the
// file as it was before.
bool InsertLiveryEntry(const char* cfgPath, int entry, const std::string& sectionText);

// House liveries first, the others ascending by name.
void SortLiveryEntries(int variant);

// kResultDone, kResultDeclined (read-only kept) or kResultCancelled.
int RemoveLiveryEntry(int entry, int variant);

void RemoveAirframeSettings(const char* title, const char* textureFolderName, int variant, const char* aircraftFolder,
                            int entry);
void InstallAirframeSettings(const char* textureFolderName, const char* texture, int variant,
                             const char* aircraftFolder, const char* workFolder, const char* title, bool reinstall,
                             int entry);
void AddGmcAlias(const char* title, int entry, const char* textureFolderName, const char* texture);

}  // namespace zelva::module
