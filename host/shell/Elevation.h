// Whether the host needs administrator rights for the simulators it found,
// and its start again with them.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// The process token is in the local Administrators group.
int32_t IsAdministrator();

// What the elevation check may ask of the system. Tests replace the two
// questions the system answers the same way every time under Wine.
struct ElevationSeam {
  int32_t (*isAdministrator)() = &IsAdministrator;
  // Starts this program again with the "runas" verb; true when started.
  bool (*relaunchElevated)() = nullptr;
};
bool RelaunchElevated();

enum class ElevationOutcome {
  kNotNeeded,
  kRelaunched,  // the caller ends this process
  kDeclined,    // warned; starting goes on without administrator rights
};

// Whether a simulator below "Program Files" needs rights this process lacks.
ElevationOutcome CheckElevation(const HostContext& context, ElevationSeam seam = {});

}  // namespace zelva::host
