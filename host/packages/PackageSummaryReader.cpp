#include "PackageSummaryReader.h"

#include <cstring>
#include <string>

#include "ArchiveCodes.h"
#include "PackageReader.h"
#include "PackageSettings.h"
#include "WorkFolders.h"

namespace zelva::host {

bool ReadPackageSummary(const char* packagePath, PackageSummary& summary, Cabinet::ExtractError* error) {
  std::memset(&summary, 0, sizeof(summary));
  if (error != nullptr) *error = {};
  files::WorkFolder folder;
  if (!folder.ok()) {
    if (error != nullptr) *error = {Cabinet::kTargetNotCreated, GetLastError(), 0};
    return false;
  }
  PackageReader reader;
  if (!reader.ExtractFile(Wide(packagePath), Wide(folder.path()), Wide(kPackageSettingsFile))) {
    if (error != nullptr) *error = reader.error();
    return false;
  }
  reader.Close();
  PackageSettings settings(std::string(folder.path()) + kPackageSettingsFile);
  settings.Text("Settings", "Type", "Single Livery", summary.type);
  summary.fileVersion = settings.Integer("Settings", "FileVersion", 0);
  settings.Text("Settings", "Aircraft", "UNKNOWN AIRCRAFT", summary.aircraft);
  settings.Text("Settings", "Variant", "UNKNOWN VARIANT", summary.variant);
  return true;
}

}  // namespace zelva::host
