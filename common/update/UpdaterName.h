// The name a published product updater is saved under: the text of its URL
// after the last "/". The URL comes from the maker's server, so the name is
// checked before it becomes part of a path.
#pragma once

#include <string>
#include <string_view>

namespace zelva::update {

enum class UpdaterName {
  kAccepted,
  kNoSlash,   // nothing to take a name from
  kRefused,   // not a plain file name
};

// A plain name: not empty, no "\", ":", query ("?") or fragment ("#"), none of
// the characters the file system refuses, no control character, not "." or
// ".." or a device name, not ending in a dot or blank.
UpdaterName UpdaterNameFromUrl(std::string_view url, std::string& name);

}  // namespace zelva::update
