#include "SimulatorDiscovery.h"

#include <shellapi.h>

#include <cstring>

#include "FixedText.h"
#include "HostLog.h"
#include "Registry.h"

namespace zelva::host {
namespace {

// The host reads the keys a 32-bit program sees, whatever it was built as.
constexpr REGSAM kMachineView = KEY_WOW64_32KEY;

struct SimulatorKey {
  HKEY root;
  const char* path;
  const char* value;
  REGSAM access;          // 0: the plain open of the 32-bit program
  bool emptyIsFailure;    // the Prepar3D installers leave empty values behind
  const char* openFailed;
  const char* readFailed;
  const char* readOk;
};

const SimulatorKey kFsx = {
    HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0", "AppPath", 0, false,
    "\t\tFailed to open FSX-Retail AppPath registry key: %d\n",
    "\t\tFSX-Retail AppPath registry key was located but could not be read.\n",
    "\t\tFSX-Retail AppPath registry key located and read.\n"};
const SimulatorKey kFsxSe = {
    HKEY_LOCAL_MACHINE, "SOFTWARE\\DovetailGames\\FSX", "install_path", KEY_READ | kMachineView, false,
    "\t\tFailed to open FSX-SE Install_Path registry key: %d\n",
    "\t\tFSX-SE install_path registry key registry key was located but could not be read.\n",
    "\t\tFSX-SE install_path registry key located and read.\n"};
const SimulatorKey kP3dV3 = {
    HKEY_LOCAL_MACHINE, "SOFTWARE\\Lockheed Martin\\Prepar3D v3", "SetupPath", KEY_READ | kMachineView, true,
    "\t\tPrepar3D v3 SetupPath registry key was located but could not be read. %d\n",
    "\t\tPrepar3D v3 SetupPath registry key is present but data was possibly EMPTY.\n",
    "\t\tPrepar3D v3 SetupPath registry key located data has been read.\n"};
const SimulatorKey kP3dV2 = {
    HKEY_LOCAL_MACHINE, "SOFTWARE\\Lockheed Martin\\Prepar3D v2", "SetupPath", KEY_READ | kMachineView, true,
    "\t\tPrepar3D V2 SetupPath registry key was located but could not be read. %d\n",
    "\t\tPrepar3D v2 SetupPath registry key is present but data possibly EMPTY.\n",
    "\t\tPrepar3D v2 SetupPath registry key located data has been read.\n"};
const SimulatorKey kP3dV4 = {
    HKEY_CURRENT_USER, "SOFTWARE\\Lockheed Martin\\Prepar3D v4", "AppPath", KEY_QUERY_VALUE | KEY_WOW64_64KEY, true,
    "\t\tPrepar3D v4 SetupPath registry key was located but could not be read. %d\n",
    "\t\tPrepar3D v4 SetupPath registry key is present but data was possibly EMPTY.\n",
    "\t\tPrepar3D v4 SetupPath registry key located data has been read.\n"};

// Reads one simulator key into the root field; true when a value was read.
void ReadSimulatorFolder(const SimulatorKey& source, char (&root)[kPathChars]) {
  root[0] = '\0';
  win::RegistryKey key;
  LONG error = key.Open(source.root, source.path, source.access);
  if (error != ERROR_SUCCESS) {
    HostLog(source.openFailed, int(error));
    return;
  }
  bool read = win::ReadRegistryString(key.get(), source.value, root) == ERROR_SUCCESS;
  if (read && source.emptyIsFailure && root[0] == '\0') read = false;
  if (!read) {
    root[0] = '\0';
    HostLog("%s", source.readFailed);
  } else {
    HostLog("%s", source.readOk);
  }
}

void EnsureTrailingBackslash(char (&folder)[kPathChars]) {
  size_t length = std::strlen(folder);
  if (length > 0 && folder[length - 1] != '\\') text::AppendBounded(folder, "\\");
}

// Shared ending of every read: the backslash, the result line, the registry copy.
void FinishRead(char (&root)[kPathChars], char (&copy)[kPathChars], const char* resultText) {
  if (root[0] != '\0') {
    EnsureTrailingBackslash(root);
    HostLog(resultText, root);
  }
  text::CopyBounded(copy, root);
}

void LogCoExistenceValue() {
  win::RegistryKey key;
  LONG error = key.Open(HKEY_CURRENT_USER,
                        "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition", 0);
  if (error != ERROR_SUCCESS) {
    HostLog("\t\tFailed to find co-existence registry key.  (Note: Key is not present in registry): %d\n",
            int(error));
    return;
  }
  DWORD value = 0, size = sizeof(value), type = 0;
  RegQueryValueExA(key.get(), "Co-Existence", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  HostLog("\t\tCo-Existence Key is present and value is: %d\n", int(value));
}

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

bool DefaultValueEquals(const char* path, const char* expected) {
  win::RegistryKey key;
  if (key.Open(HKEY_CURRENT_USER, path, 0) != ERROR_SUCCESS) return false;
  char value[kPathChars + 64];
  if (win::ReadRegistryString(key.get(), nullptr, value) != ERROR_SUCCESS) return false;
  return lstrcmpiA(value, expected) == 0;
}

}  // namespace

void FindFsx(HostContext& context) {
  HostLog("\tFinding FSX\n");
  ReadSimulatorFolder(kFsx, context.fsxRoot);
  FinishRead(context.fsxRoot, context.fsxRegistryFolder, "\t\tFSX-Retail install_path in registry is: %s\n");
}

void FindFsxSe(HostContext& context) {
  HostLog("\tFinding FSX:SE\n");
  ReadSimulatorFolder(kFsxSe, context.fsxSeRoot);
  FinishRead(context.fsxSeRoot, context.fsxSeRegistryFolder, "\t\tFSX-SE install_path in registry is: %s\n");
  LogCoExistenceValue();
}

void FindP3d(HostContext& context) {
  HostLog("\tFinding P3D\n");
  ReadSimulatorFolder(kP3dV3, context.p3dRoot);
  if (context.p3dRoot[0] == '\0') ReadSimulatorFolder(kP3dV2, context.p3dRoot);
  FinishRead(context.p3dRoot, context.p3dRegistryFolder, "\t\tPrepar3D install_path in registry is: %s\n");
}

void FindP3dV4(HostContext& context) {
  HostLog("\tFinding P4D\n");
  ReadSimulatorFolder(kP3dV4, context.p3dV4Root);
  FinishRead(context.p3dV4Root, context.p3dV4RegistryFolder, "\t\tPrepar3D install_path in registry is: %s\n");
}

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

void ApplyCoExistenceRule(HostContext& context) {
  if (context.fsxRoot[0] == '\0' || context.fsxSeRoot[0] == '\0' ||
      lstrcmpiA(context.fsxRoot, context.fsxSeRoot) != 0)
    return;
  HostLog("\n\nCo-Existence Check for FSX-SE and FSX Installations:\n");
  HostLog("\t\tFSX and FSX-SE Registry Values are the same, thus we assume FSX-SE is actually installed at: %s\n",
          context.fsxSeRoot);
  HostLog("\t\tFSX was reporting that it was ALSO installed to %s and has been set to NULL\n", context.fsxRoot);
  context.fsxRoot[0] = '\0';
  HostLog("\t\tFSX location is now set to (should be blank after the semi-colon): %s\n", context.fsxRoot);
  HostLog("\t\tIMPORTANT: Run A Support Package and verify the results of\n\t\t the support package Co-Existence "
          "Check Pass/Fail results.");
}

int32_t FileAssociationState(const HostContext& context) {
  char command[kPathChars + 64];
  text::CopyBounded(command, context.programFolder);
  text::AppendBounded(command, "ZELVA Hangardesk.exe %1");
  return DefaultValueEquals("SOFTWARE\\Classes\\ZELVA_Hangardesk\\shell\\open\\command", command) &&
                 DefaultValueEquals("SOFTWARE\\Classes\\.zlp", "ZELVA_Hangardesk")
             ? 1
             : 0;
}

}  // namespace zelva::host
