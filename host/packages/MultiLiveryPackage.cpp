#include "MultiLiveryPackage.h"

#include <cstdio>
#include <string>
#include <vector>

#include "FixedText.h"
#include "LiveryChooser.h"
#include "ModuleHandOff.h"
#include "PackageReader.h"
#include "PackageRefusal.h"
#include "PackageSettings.h"
#include "PackageSummaryReader.h"
#include "PackageValues.h"
#include "WorkingDialog.h"
#include "WorkFolders.h"

namespace zelva::host {
namespace {

// Every livery section; the file names must name entries of the package root.
int32_t ReadChoices(const PackageSettings& settings, std::vector<LiveryChoice>& choices) {
  int count = settings.Integer("Settings", "Count", 0);
  for (int n = 1; n <= count; ++n) {
    char section[32];
    std::snprintf(section, sizeof(section), "Livery %01d", n);
    LiveryChoice choice = {};
    settings.Text(section, "Name", "UNKNOWN NAME", choice.name);
    settings.Text(section, "Aircraft", "UNKNOWN AIRCRAFT", choice.aircraft);
    settings.Text(section, "Variant", "UNKNOWN VARIANT", choice.variant);
    settings.Text(section, "Filename", "", choice.fileName);
    if (!text::IsSafeName(choice.fileName)) return RefuseUnsafePath(choice.fileName);
    choice.install = true;
    choices.push_back(choice);
  }
  return kResultDone;
}

void Install(PackageReader& reader, const char* packagePath, const files::WorkFolder& folder, const LiveryChoice& choice) {
  char line[kChoiceChars + 20];
  std::snprintf(line, sizeof(line), "Extracting %s...", choice.name);
  ui::SetWorkingDialogText(1, line);
  ui::SetWorkingDialogLayout(1);
  bool extracted = reader.ExtractFile(Wide(packagePath), Wide(folder.path()), Wide(choice.fileName));
  reader.Close();
  ProductModule* module = FindProductModule(choice.aircraft);
  if (!extracted || module == nullptr || module->command == nullptr) return;
  std::string innerPath = std::string(folder.path()) + choice.fileName;
  PackageSummary summary;
  ReadPackageSummary(innerPath.c_str(), summary);
  module->command(kModuleInstallPackage, reinterpret_cast<INT_PTR>(innerPath.c_str()),
                  reinterpret_cast<INT_PTR>(&summary));
}

}  // namespace

int32_t RunMultiLiveryPackage(const char* packagePath) {
  files::WorkFolder folder;
  if (!folder.ok()) return kResultDone;
  std::vector<LiveryChoice> choices;
  {
    PackageReader reader;
    if (!reader.ExtractFile(Wide(packagePath), Wide(folder.path()), Wide(kPackageSettingsFile))) return kResultDone;
    reader.Close();
    PackageSettings settings(std::string(folder.path()) + kPackageSettingsFile);
    int32_t result = ReadChoices(settings, choices);
    if (result != kResultDone) return result;
  }
  if (!ChooseLiveries(choices)) return kResultCancelled;
  PackageReader reader;
  for (const LiveryChoice& choice : choices)
    if (choice.install && choice.productPresent && choice.variantInstalled)
      Install(reader, packagePath, folder, choice);
  return kResultDone;
}

}  // namespace zelva::host
