#include <windows.h>

#include <string>

#include "Handles.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "ProfileSection.h"

namespace zelva::module {
namespace {

// The GMC model ships only with FSX and FSX-SE; it reuses the K50-300ER's textures.
constexpr const char* kGmcFolder = "SimObjects\\Airplanes\\ZELVA K50-GMC\\";

bool HasGmcModel(const HostContext& host) {
  return host.currentSimulator != kSimulatorP3d && host.currentSimulator != kSimulatorP3dV4;
}

}  // namespace

void AddGmcAlias(const char* title, int, const char* textureFolderName, const char* texture) {
  const HostContext* host = Host();
  if (host == nullptr || !HasGmcModel(*host)) return;
  std::string folder = ActiveSimulatorRoot(*host);
  if (folder.empty()) return;
  if (folder.back() != '\\') folder += '\\';
  folder += kGmcFolder;
  std::string cfg = folder + "aircraft.cfg";
  std::string gmcTitle = std::string(title != nullptr ? title : "") + " GMC";
  ClearReadOnly(cfg.c_str());

  std::string section;
  for (int entry = 0;; ++entry) {
    section = EntrySection(entry);
    std::string existing = ReadProfileValue(cfg.c_str(), section.c_str(), "title", 200);
    if (existing.empty() || _stricmp(existing.c_str(), gmcTitle.c_str()) == 0) break;
  }
  WritePrivateProfileStringA(section.c_str(), "title", gmcTitle.c_str(), cfg.c_str());
  WritePrivateProfileStringA(section.c_str(), "sim", "default", cfg.c_str());
  WritePrivateProfileStringA(section.c_str(), "model", "", cfg.c_str());
  WritePrivateProfileStringA(section.c_str(), "texture", texture != nullptr ? texture : "", cfg.c_str());

  if (!IsSafeFileName(textureFolderName)) {
    LogLivery("texture folder \"%s\" is no folder name; no GMC alias folder\n",
              textureFolderName != nullptr ? textureFolderName : "");
    return;
  }
  // Only inside an existing GMC model: a missing one gets no stray folders.
  std::string aliasFolder = folder + textureFolderName;
  CreateDirectoryA(aliasFolder.c_str(), nullptr);
  std::string alias = std::string("[fltsim]\r\nalias=ZELVA K50-300ER\\") + textureFolderName;
  win::FileHandle file(CreateFileA((aliasFolder + "\\texture.cfg").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    LogLivery("writing the GMC alias of %s failed: %d\n", textureFolderName, int(GetLastError()));
    return;
  }
  DWORD written = 0;
  WriteFile(file.get(), alias.data(), DWORD(alias.size()), &written, nullptr);
}

}  // namespace zelva::module
