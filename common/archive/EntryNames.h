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

// A reserved device name (CON, AUX, COM1...), which opens the device whatever
// folder or extension it carries. component: one name without separators.
bool IsDeviceName(std::u16string_view component);

// One name of a file in a given folder: no separator of either kind, drive,
// stream or device, and not only dots and blanks.
bool IsPlainFileName(std::u16string_view name);

// A path whose file is a device: a device name (up to a stream's colon, as
// "AUX:" is the device too) or the device namespace "\\.\". Opening one as a
// package blocks or reads from hardware.
bool NamesADevice(std::u16string_view path);

// Split at the last separator, "\" or "/".
struct EntryNameParts {
  std::u16string_view folder;  // with its trailing separator, may be empty
  std::u16string_view file;
};
EntryNameParts SplitEntryName(std::u16string_view name);

}  // namespace zelva::archive
