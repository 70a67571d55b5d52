// Whether an installed livery lacks anything its package on the server holds:
// a newer aircraft.cfg entry, missing or older texture files, a newer
// airframe settings file.
#pragma once

#include <string>

#include "LiveryTables.h"
#include "LiveryUpdate.h"

namespace zelva::module {

// The installed entry of a livery in its variant's aircraft.cfg.
struct InstalledEntry {
  bool found = false;
  int entry = -1;
  std::string configPath;
  std::string registration;  // atc_id
  std::string settingsPath;  // the airframe settings file; empty when atc_id names none
  livery::InstalledLivery facts;
};
InstalledEntry FindInstalledEntry(int variant, const std::string& name);

// Last writes below a variant's folder, for FilesToFetch.
livery::LastWrite VariantLastWrite(int variant);

// Sets the entry's update-available flag from its summary archive.
void ComputeUpdateState(LiveryCatalogEntry& entry);

}  // namespace zelva::module
