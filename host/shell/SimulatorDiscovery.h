// Simulator root folders from the registry, the elevation check and the
// package file association.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

void FindFsx(HostContext& context);
void FindFsxSe(HostContext& context);
void FindP3d(HostContext& context);
void FindP3dV4(HostContext& context);

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

// FSX and FSX-SE registered to the same folder: FSX-SE is the installed one.
void ApplyCoExistenceRule(HostContext& context);

// 1 when ".zlp" files are associated with this program folder's host.
int32_t FileAssociationState(const HostContext& context);

}  // namespace zelva::host
