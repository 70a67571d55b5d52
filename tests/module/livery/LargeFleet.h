// An aircraft.cfg as a large fleet's looks after years of hand edits, for the
// tests that sort and renumber many entries.
#pragma once

#include <string>
#include <vector>

namespace zelva::testing {

// entries liveries (one of them "ZELVA House Colours", some sharing a name)
// with headers in mixed case, indented or followed by a comment, spaced and
// quoted values, comments inside and between entries, a 5,000-character
// description and a few lines ending in LF alone; [General] between the two
// halves, [fuel], [contact_points] and an unknown section after them, then a
// second [fuel], a stale second copy of an early entry and an entry beyond a
// gap in the numbering, which the profile functions never reach.
std::string LargeFleetConfig(int entries);

// The sections that are no entries, as GetPrivateProfileSectionA names them
// ("" is the part before the first section).
std::vector<std::string> LargeFleetOtherSections(int entries);

}  // namespace zelva::testing
