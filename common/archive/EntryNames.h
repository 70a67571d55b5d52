// Names of cabinet entries as paths below a target folder. Packages come from
// third parties, so a name must not lead out of that folder.
#pragma once

#include <string_view>

namespace zelva::archive {

// name uses "\" as separator. False for names that are empty or end in a
// separator, are absolute, carry a drive or stream (any ":"), start with a
// separator, have a component of dots that climbs (".." and the forms the
// platform trims to it such as "..." or ".. "), or name a device (CON, NUL,
// COM1...) in any component.
bool IsSafeEntryName(std::u16string_view name);

struct EntryNameParts {
  std::u16string_view folder;  // with its trailing "\", may be empty
  std::u16string_view file;
};
EntryNameParts SplitEntryName(std::u16string_view name);

}  // namespace zelva::archive
