// What an installed livery lacks against its package on the server: the
// package's description ("Settings.dat"), the files to fetch again, and
// whether the livery shows "Update".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ProfileDocument.h"

namespace zelva::livery {

struct PackageFile {
  std::string name;  // "Texture.<name>\<file>", checked
  std::string date;  // file time in decimal, may be empty
};

struct PackageDescription {
  std::string date;
  int configVersion = 0;
  std::vector<PackageFile> files;
  std::vector<std::string> refused;  // listed names that lead elsewhere
};

PackageDescription ReadPackageDescription(const profile::Document& settings);

// Where a package file lives for an installed livery: the texture folder the
// livery's entry names (installation may have renamed it), not the one in
// the package. Empty when localTexture is no plain name.
std::string LocalTextureFile(const PackageFile& file, std::string_view localTexture);

// The last write of a file below the variant folder, as file-time ticks;
// false when there is none.
using LastWrite = std::function<bool(const std::string& relativePath, uint64_t& ticks)>;

// Indexes of the files that are missing or more than 2 seconds older than
// the package lists them.
std::vector<size_t> FilesToFetch(const PackageDescription& package, std::string_view localTexture,
                                 const LastWrite& lastWrite);

struct InstalledLivery {
  std::string texture;
  int zelvaVersion = 0;
  int settingsVersion = -1;  // -1: no settings file
};

bool NeedsUpdate(const PackageDescription& package, const InstalledLivery& livery, int configRevision,
                 const LastWrite& lastWrite);

}  // namespace zelva::livery
