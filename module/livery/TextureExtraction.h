// Puts a package's texture files into their target folder.
#pragma once

#include <string>

#include "LiveryFacts.h"
#include "PackageArchive.h"

namespace zelva::module {

// Extracts the files lying directly in the package's texture folder (none of
// its subfolders) into the target; in moving mode they then move up out of
// their staging folder. Failures of single files are logged, not reported.
void InstallTextureFiles(PackageArchive& archive, const LiveryFacts& livery, const TextureTarget& target,
                         const std::string& installingText);

}  // namespace zelva::module
