// The livery entries [fltsim.N] of a variant's aircraft.cfg: lookup, insertion,
// order, removal, and the airframe settings files and GMC alias that follow an
// entry. Entry numbers are 0-based and gap-free; variant indexes are 0-based
// into Product().variants; folder paths carry no trailing backslash, work
// folders do. Every operation runs on the user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "ConfigRewrite.h"

namespace zelva::module {

bool IsLiveryInstalled(int variant, const char* name);

// Every change of aircraft.cfg below is one rewrite (ConfigRewrite): at every
// moment a complete aircraft.cfg exists, and "aircraft.cfg_old" holds the file
// as it was before the first change of this run.

// Places "[fltsim.<entry>]" with the given key=value strings (each ended by a
// NUL as ReadProfileSection gives them, or by a line break) directly behind
// the section of entry - 1. False when it stopped (its message was shown).
bool InsertLiveryEntry(const char* cfgPath, int entry, const std::string& sectionText);

// Replaces the keys of an entry with the key=value strings of a section
// (strings without "=" are dropped). keepLocalFiles keeps the entry's own
// texture and atc_id lines: the folder and settings file its installation
// chose. Refused, with the file untouched, when sectionText holds no key.
RewriteResult ReplaceLiveryEntry(const char* cfgPath, int entry, const std::string& sectionText,
                                 bool keepLocalFiles);

// House liveries first, the others ascending by name.
void SortLiveryEntries(int variant);

// Repair: each section becomes a new entry behind the last one, then the
// entries are sorted, all in one rewrite. False when aircraft.cfg could not be
// read or rewritten (logged).
bool AppendLiveryEntries(int variant, const std::vector<std::string>& sectionTexts);

// Removes the entries (numbers before any removal) as removing them one by
// one from the highest down would, in one rewrite; then their settings files
// and the texture folders no remaining entry uses. kResultDone,
// kResultDeclined (read-only kept, nothing to remove, or aircraft.cfg could
// not be rewritten: its message was shown and nothing was deleted) or
// kResultCancelled.
int RemoveLiveryEntries(const std::vector<int>& entries, int variant);
int RemoveLiveryEntry(int entry, int variant);

// Deletes the settings file of a registration (an entry's atc_id, read
// before the entry went) and its backup copy; nothing for an empty one or one
// that names no plain file. entry is for the log.
void RemoveAirframeSettings(const std::string& registration, int entry);
void InstallAirframeSettings(const char* textureFolderName, const char* texture, int variant,
                             const char* aircraftFolder, const char* workFolder, const char* title, bool reinstall,
                             int entry);
void AddGmcAlias(const char* title, int entry, const char* textureFolderName, const char* texture);

}  // namespace zelva::module
