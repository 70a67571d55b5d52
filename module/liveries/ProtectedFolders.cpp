#include "ProtectedFolders.h"

#include <windows.h>

#include "Handles.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "LiveryText.h"
#include "ModuleContext.h"
#include "ProfileSection.h"

namespace zelva::module {
namespace {

constexpr size_t kFolderValueChars = 200;

std::string SectionOf(int variant) { return std::string(Product().variants[variant].name) + " Protected Folders"; }

const char* ConfigPath() {
  const HostContext* host = Host();
  return host != nullptr && host->configPath[0] != '\0' ? host->configPath : nullptr;
}

bool Known(int variant) { return variant >= 0 && variant < Product().variantCount && variant < kMaxVariants; }

std::string Key(size_t number) { return "Folder" + std::to_string(number); }

// The texture folders beside the variant's aircraft.cfg, as the file system spells them.
std::vector<std::string> TextureFolders(int variant) {
  std::vector<std::string> names;
  char folder[kPathChars];
  if (!VariantAircraftFolder(variant, folder)) return names;
  WIN32_FIND_DATAA found;
  win::FindHandle find(FindFirstFileA((std::string(folder) + "\\texture.*").c_str(), &found));
  if (!find.valid()) return names;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names.push_back(found.cFileName);
  } while (FindNextFileA(find.get(), &found));
  return names;
}

}  // namespace

std::vector<std::string> ProtectedFolders(int variant) {
  std::vector<std::string> names;
  const char* config = ConfigPath();
  if (config == nullptr || !Known(variant)) return names;
  const std::string section = SectionOf(variant);
  for (size_t number = 1;; ++number) {
    std::string name = ReadProfileValue(config, section.c_str(), Key(number).c_str(), kFolderValueChars);
    if (name.empty()) return names;
    names.push_back(std::move(name));
  }
}

void ProtectFolder(int variant, const char* folderName) {
  const char* config = ConfigPath();
  if (config == nullptr || !Known(variant) || folderName == nullptr || folderName[0] == '\0') return;
  std::vector<std::string> names = ProtectedFolders(variant);
  for (const std::string& name : names)
    if (livery::EqualWithoutCase(name, folderName)) return;
  WritePrivateProfileStringA(SectionOf(variant).c_str(), Key(names.size() + 1).c_str(), folderName, config);
}

void CompactProtectedFolders(int variant) {
  const char* config = ConfigPath();
  if (config == nullptr || !Known(variant)) return;
  const std::string section = SectionOf(variant);
  const std::vector<std::string> present = TextureFolders(variant);
  // Every key of the section, gaps included: a value past a gap is kept too.
  std::string kept;
  size_t number = 0;
  const std::string text = ReadProfileSection(config, section.c_str());
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\0', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string value = line.substr(equals + 1);
    bool exists = false;
    for (const std::string& folder : present) exists = exists || livery::EqualWithoutCase(folder, value);
    if (!exists) continue;
    kept += Key(++number) + "=" + value;
    kept += '\0';
  }
  if (text.empty() && kept.empty()) return;
  kept += '\0';
  WritePrivateProfileSectionA(section.c_str(), kept.c_str(), config);
}

}  // namespace zelva::module
