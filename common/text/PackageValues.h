// Values read from a package that become parts of paths. A package is data
// from anywhere: a value must not be able to name a place outside the folder
// it is meant for.
#pragma once

#include <cstddef>

namespace zelva::text {

// A single folder or file name: not empty, no "\", "/" or ":", not "." or
// "..", no control characters.
bool IsSafeName(const char* value);

// A path relative to some folder: not empty, not starting with a separator,
// no ":", no empty, "." or ".." component, no control characters. Both "\"
// and "/" count as separators.
bool IsSafeRelativePath(const char* value);

// A complete destination: a drive path ("C:\...") or a UNC path ("\\server\share\...")
// with no "." or ".." component and no ":" after the drive; doubled
// separators are allowed. Relative paths are refused since they would land
// beside whatever the current folder is.
bool IsSafeAbsolutePath(const char* value);

}  // namespace zelva::text
