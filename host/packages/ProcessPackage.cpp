#include "ProcessPackage.h"

#include <string>

#include "CommandPackage.h"
#include "Handles.h"
#include "HostLog.h"
#include "HostState.h"
#include "ModuleHandOff.h"
#include "MultiLiveryPackage.h"
#include "PackageReader.h"
#include "PackageSummaryReader.h"
#include "UnreadablePackage.h"
#include "WorkFolders.h"

namespace zelva::host {
namespace {

bool IsType(const PackageSummary& summary, const char* type) { return lstrcmpiA(summary.type, type) == 0; }

// Every package in the bundle's root, in the order the file system lists
// them; a cancellation ends the bundle.
int32_t RunBundle(const char* packagePath, const PackageOptions& options) {
  files::WorkFolder folder;
  if (!folder.ok()) return kResultDone;
  {
    // A damaged bundle installs none of its packages.
    PackageReader reader;
    if (!reader.ExtractAll(Wide(packagePath), Wide(folder.path())))
      return ReportUnreadablePackage(packagePath, reader.error());
  }
  WIN32_FIND_DATAA entry;
  win::FileSearch search((std::string(folder.path()) + "*.zlp").c_str(), entry);
  if (!search.found()) return kResultDone;
  int32_t result = kResultDone;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    std::string inner = std::string(folder.path()) + entry.cFileName;
    result = ProcessPackage(inner.c_str(), options);
  } while (result != kResultCancelled && search.Next(entry));
  return result;
}

}  // namespace

int32_t ProcessPackage(const char* packagePath, const PackageOptions& options) {
  // A failure text belongs to the package that failed, never to an earlier one.
  Context().errorText[0] = '\0';
  HostLog("Opening ZLP file: %s\n", packagePath);
  PackageSummary summary;
  Cabinet::ExtractError error;
  const bool read = ReadPackageSummary(packagePath, summary, &error);
  HostLog("\tZLP Type: %s\n", summary.type);
  if (!read) return ReportUnreadablePackage(packagePath, error);
  if (IsType(summary, "Packed File")) return RunBundle(packagePath, options);
  if (IsType(summary, "Multi Livery")) return RunMultiLiveryPackage(packagePath);
  if (IsType(summary, "Command")) return RunCommandPackage(packagePath);
  if (IsType(summary, "Single Livery") || IsType(summary, "Aircraft INI"))
    return HandLiveryToModule(packagePath, summary, options.checkProduct);
  return HandOtherTypeToModule(packagePath, summary);
}

}  // namespace zelva::host
