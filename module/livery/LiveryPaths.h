// Where a variant's livery entries and an airframe's settings files live.
#pragma once

#include <string>

#include "ZelvaContract.h"

namespace zelva::module {

// Root folder of the host's current simulator (1 FSX, 2 FSX-SE, 3 P3D, 4 P3D v4;
// any other number counts as FSX).
const char* ActiveSimulatorRoot(const HostContext& host);

// root + "SimObjects\Airplanes\" + folder name; false when the root is empty
// or the path does not fit.
bool VariantAircraftFolder(int variant, char (&folder)[kPathChars]);

// The aircraft folder + "\aircraft.cfg"; same failure rule.
bool VariantConfigFile(int variant, char (&path)[kPathChars]);

// root + "ZELVA\<product folder>\Aircraft\" (+ "Backups\"), where the root is
// that of the host's current simulator, or of the product's when the host has
// none yet. Empty when there is no root.
std::string AirframeSettingsFolder(bool backups);

// An entry's atc_id is read whole wherever it names the airframe's settings
// file: read shorter in one place, installation would create a file under a
// cut name that the options page never finds, and write the cut name back
// into the entry when it adds a suffix.
constexpr size_t kRegistrationChars = kPathChars;

}  // namespace zelva::module
