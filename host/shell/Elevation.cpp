#include "Elevation.h"

#include <shellapi.h>

#include <cstring>

#include "FixedText.h"
#include "HostLog.h"

namespace zelva::host {
namespace {

// One simulator's part of the elevation check; true when elevation is needed.
bool NeedsElevation(const char* name, const char* yesText, const char* root, const ElevationSeam& seam) {
  HostLog("Checking if %s is in Program Files\n", name);
  if (root[0] == '\0') return false;
  char lower[kPathChars];
  text::CopyBounded(lower, root);
  CharLowerBuffA(lower, DWORD(std::strlen(lower)));
  if (std::strstr(lower, "program files") == nullptr) {
    HostLog("\t\tNope!\n");
    return false;
  }
  HostLog("%s", yesText);
  if (seam.isAdministrator && seam.isAdministrator()) {
    HostLog("\t\tRunning as Admin\n");
    return false;
  }
  HostLog("\tHangardesk is not run as Admin\n");
  return true;
}

}  // namespace

int32_t IsAdministrator() {
  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID administrators = nullptr;
  if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                0, 0, &administrators))
    return 0;
  BOOL member = FALSE;
  if (!CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
  FreeSid(administrators);
  return member ? 1 : 0;
}

bool RelaunchElevated() {
  char program[kPathChars];
  DWORD length = GetModuleFileNameA(nullptr, program, kPathChars);
  if (length == 0 || length >= kPathChars) return false;
  SHELLEXECUTEINFOA execute = {};
  execute.cbSize = sizeof(execute);
  execute.lpVerb = "runas";
  execute.lpFile = program;
  execute.nShow = SW_SHOWNORMAL;
  return ShellExecuteExA(&execute) != FALSE;
}

ElevationOutcome CheckElevation(const HostContext& context, ElevationSeam seam) {
  if (seam.relaunchElevated == nullptr) seam.relaunchElevated = &RelaunchElevated;
  bool needed = NeedsElevation("FSX", "\t\tYes it is!\n", context.fsxRoot, seam) ||
                NeedsElevation("FSXSE", "\t\tYes it is for FSXSE!\n", context.fsxSeRoot, seam) ||
                NeedsElevation("P3D", "\t\tYes it is for P3D!\n", context.p3dRoot, seam) ||
                NeedsElevation("P4D", "\t\tYes it is for P4D!\n", context.p3dV4Root, seam);
  if (!needed) return ElevationOutcome::kNotNeeded;
  HostLog("\tRelaunching as Admin\n");
  if (seam.relaunchElevated()) return ElevationOutcome::kRelaunched;
  MessageBoxA(nullptr, "ZELVA Hangardesk must be launched as Administrator.", "Error!", MB_ICONWARNING);
  return ElevationOutcome::kDeclined;
}

}  // namespace zelva::host
