// The host configuration file "ZELVA Hangardesk.cfg" in the data folder.
#pragma once

#include "Elevation.h"
#include "ZelvaContract.h"

namespace zelva::host {

// Server defaults; the configuration keeps full URLs without trailing slash.
constexpr const char* kDefaultProductUpdateServer = "https://downloads.zelva-sim.com/produpdate";
constexpr const char* kDefaultHostUpdateServer = "https://downloads.zelva-sim.com/hangardeskupdate";
constexpr const char* kDefaultLiveriesServer = "https://downloads.zelva-sim.com/liveries";
constexpr const char* kDefaultLiveryArchive = "https://archive.zelva-sim.com/ZELVA_Liveries";

// Reads the configuration values into the context; missing keys give defaults.
void ReadConfiguration(HostContext& context);

// The start-up step: finds the simulators, checks for elevation, then reads
// the configuration. False when the program was started again elevated and
// this process must end.
bool LoadSettings(HostContext& context, const ElevationSeam& elevation = {});

// Writes Open_PDF_Externally and CheckForUpdates as "1" or "0".
void SaveSettings(const HostContext& context);

}  // namespace zelva::host
