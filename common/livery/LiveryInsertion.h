// Placing a new livery entry into the text of an aircraft.cfg.
#pragma once

#include <string>
#include <string_view>

namespace zelva::livery {

// The file text with a section "[fltsim.<entry>]" holding the given key=value
// strings, placed directly behind the section of entry - 1 and in front of
// whatever section followed it (at the end when none did, or when there is no
// entry - 1). Key strings may be separated by NULs (as the profile functions
// give a section) or by line breaks; empty ones are dropped.
//
// Lines are carried over whole, whatever their length; every line ends with
// CR LF afterwards, as a file written in text mode would.
std::string InsertEntrySection(std::string_view file, int entry, std::string_view keyStrings);

// Whether a line is the header of "[fltsim.<entry>]": blanks and tabs before
// it, anything after its "]", and case do not matter.
bool IsEntryHeader(std::string_view line, int entry);

}  // namespace zelva::livery
