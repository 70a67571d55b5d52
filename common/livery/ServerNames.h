// Names that arrive from the liveries server or inside a downloaded package
// and become parts of local paths: the catalogue's file names, a package's
// listed files, an entry's atc_id. They are hostile until checked.
#pragma once

#include <string>
#include <string_view>

namespace zelva::livery {

// One file or folder name for a folder of our own: not empty, no "\", "/" or
// ":", no control or wildcard character, not only dots and blanks, no device
// name (CON, NUL.txt, COM1...), and no trailing dot or blank (the platform
// drops them, so "a.zlp." would be another name than the one checked).
bool IsPlainServerName(std::string_view name);

// A package's listed file: "Texture." + a plain folder name + "\" + a plain
// file name, exactly one level below the variant folder. On success
// textureFolder receives "Texture.<name>".
bool IsPackageTextureFile(std::string_view path, std::string* textureFolder = nullptr);

}  // namespace zelva::livery
