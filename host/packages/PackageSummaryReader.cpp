#include "PackageSummaryReader.h"

#include <cstring>
#include <string>

#include "PackageReader.h"
#include "PackageSettings.h"
#include "WorkFolders.h"

namespace zelva::host {

void ReadPackageSummary(const char* packagePath, PackageSummary& summary) {
  std::memset(&summary, 0, sizeof(summary));
  files::WorkFolder folder;
  if (!folder.ok()) return;
  PackageReader reader;
  if (!reader.ExtractFile(Wide(packagePath), Wide(folder.path()), Wide(kPackageSettingsFile))) return;
  reader.Close();
  PackageSettings settings(std::string(folder.path()) + kPackageSettingsFile);
  settings.Text("Settings", "Type", "Single Livery", summary.type);
  summary.fileVersion = settings.Integer("Settings", "FileVersion", 0);
  settings.Text("Settings", "Aircraft", "UNKNOWN AIRCRAFT", summary.aircraft);
  settings.Text("Settings", "Variant", "UNKNOWN VARIANT", summary.variant);
}

}  // namespace zelva::host
