// Product versions as the maker writes them: dot-separated parts such as
// "1.4.2", "1.10" or "2.0b". Installed and published versions are compared
// part by part, so 1.10 follows 1.9.
#pragma once

namespace zelva::update {

// Negative, zero or positive as `a` is older than, equal to or newer than `b`.
// Each part compares by its leading number, then by what follows it as text
// without regard to case; a missing part counts as "0", and a part that starts
// with a number is newer than one that does not ("1.4" after "1.4.beta").
// Null reads as "".
int CompareVersions(const char* a, const char* b);

// The installed version is the published one or newer.
inline bool IsUpToDate(const char* installed, const char* published) {
  return CompareVersions(installed, published) >= 0;
}

}  // namespace zelva::update
