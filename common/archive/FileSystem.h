// File-system steps of extraction and packing on wide paths.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zelva::archive {

// Creates folder and every missing parent; an existing folder is no error.
// On failure returns false with the system error.
bool CreateFolderTree(const std::wstring& folder, DWORD& error);

// The time a cabinet stores for an entry, as a file time without any zone
// conversion.
FILETIME FileTimeFromDos(uint16_t date, uint16_t time);

// Attribute bit that marks an entry's stored time as UTC rather than local.
constexpr uint16_t kTimeIsUtc = 0x100;
// Read-only, hidden, system and archive: the attributes a cabinet carries over.
constexpr uint16_t kKeptAttributes = 0x27;

// Sets creation and last-write time from the stored DOS time (taken as local
// time unless kTimeIsUtc is set) and the stored attributes masked to the kept
// ones.
void ApplyStoredTimeAndAttributes(const std::wstring& path, uint16_t date, uint16_t time, uint16_t attributes);

}  // namespace zelva::archive
