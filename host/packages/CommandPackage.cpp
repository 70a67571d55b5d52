#include "CommandPackage.h"

#include <shlobj.h>

#include <string>
#include <vector>

#include "CommandScript.h"
#include "HostLog.h"
#include "HostState.h"
#include "PackageReader.h"
#include "UnreadablePackage.h"
#include "WorkingDialog.h"
#include "WorkFolders.h"

namespace zelva::host {
namespace {

const char* CurrentSimulatorFolder(const HostContext& context) {
  switch (context.currentSimulator) {
    case kSimulatorFsxSe:
      return context.fsxSeRoot;
    case kSimulatorP3d:
      return context.p3dRoot;
    case kSimulatorP3dV4:
      return context.p3dV4Root;
    default:
      return context.fsxRoot;
  }
}

std::string WindowsFolder() {
  char folder[kPathChars] = {};
  UINT length = GetWindowsDirectoryA(folder, sizeof(folder));
  if (length == 0 || length >= sizeof(folder)) return std::string();
  std::string result = folder;
  if (result.back() != '\\') result += '\\';
  return result;
}

void CopyFileList(const CommandStep& step, const std::string& workingFolder) {
  ui::SetWorkingDialogText(1, "Extracting files...");
  for (const std::string& name : step.files) {
    std::string destination = step.target + name;
    size_t slash = destination.find_last_of("\\/");
    if (slash != std::string::npos) SHCreateDirectoryExA(nullptr, destination.substr(0, slash).c_str(), nullptr);
    if (!CopyFileA((workingFolder + name).c_str(), destination.c_str(), FALSE))
      HostLog(">>> Windows Error on CopyFile(): %d\n", int(GetLastError()));
  }
}

void RunStep(const CommandStep& step, const std::string& workingFolder) {
  switch (step.code) {
    case kCommandCopyFile:
      // The destination's folder is the simulator's own: it is not made here.
      CopyFileW(step.source.c_str(), Wide(step.target.c_str()).c_str(), FALSE);
      break;
    case kCommandExtractCabinet: {
      PackageReader nested(false);
      nested.ExtractAll(step.source, Wide(step.target.c_str()));
      break;
    }
    case kCommandCopyFiles:
      CopyFileList(step, workingFolder);
      break;
  }
}

}  // namespace

int32_t RunCommandPackage(const char* packagePath) {
  files::WorkFolder folder;
  if (!folder.ok()) return kResultDone;
  {
    // A damaged script runs none of its steps.
    PackageReader reader;
    if (!reader.ExtractAll(Wide(packagePath), Wide(folder.path())))
      return ReportUnreadablePackage(packagePath, reader.error());
  }
  const HostContext& context = Context();
  std::string windowsFolder = WindowsFolder();
  text::PathVariableValues variables = {CurrentSimulatorFolder(context), windowsFolder.c_str(),
                                        context.programFolder};
  std::vector<CommandStep> steps;
  {
    PackageSettings settings(std::string(folder.path()) + kPackageSettingsFile);
    int32_t result = ReadCommandScript(settings, folder.path(), variables, steps);
    if (result != kResultDone) return result;
  }
  for (const CommandStep& step : steps) RunStep(step, folder.path());
  return kResultDone;
}

}  // namespace zelva::host
