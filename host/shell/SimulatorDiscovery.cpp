#include "SimulatorDiscovery.h"

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

}  // namespace zelva::host
