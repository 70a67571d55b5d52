#include "LiveryUpdate.h"

#include <cstdio>
#include <cstdlib>

#include "LiveryCatalogue.h"
#include "ServerNames.h"

namespace zelva::livery {
namespace {

std::string FileKey(int number, const char* suffix) {
  char key[32];
  std::snprintf(key, sizeof(key), "File%02d_%s", number, suffix);
  return key;
}

int Integer(const profile::Document& document, std::string_view section, std::string_view key) {
  std::string text = document.Value(section, key, 32);
  return int(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

PackageDescription ReadPackageDescription(const profile::Document& settings) {
  PackageDescription package;
  package.date = settings.Value("Settings", "Date", 40);
  package.configVersion = Integer(settings, "Settings", "ConfigVersion");
  const int count = Integer(settings, "Files", "Count");
  for (int number = 1; number <= count && number <= 9999; ++number) {
    PackageFile file;
    file.name = settings.Value("Files", FileKey(number, "Name"), 260);
    file.date = settings.Value("Files", FileKey(number, "Date"), 40);
    if (!IsPackageTextureFile(file.name)) {
      package.refused.push_back(file.name);
      continue;
    }
    package.files.push_back(std::move(file));
  }
  return package;
}

std::string LocalTextureFile(const PackageFile& file, std::string_view localTexture) {
  if (!localTexture.empty() && !IsPlainServerName(localTexture)) return std::string();
  std::string path = localTexture.empty() ? std::string("Texture") : "Texture." + std::string(localTexture);
  path += file.name.substr(file.name.find('\\'));
  return path;
}

std::vector<size_t> FilesToFetch(const PackageDescription& package, std::string_view localTexture,
                                 const LastWrite& lastWrite) {
  std::vector<size_t> wanted;
  for (size_t i = 0; i < package.files.size(); ++i) {
    const std::string local = LocalTextureFile(package.files[i], localTexture);
    if (local.empty()) continue;
    uint64_t written = 0;
    if (!lastWrite(local, written) || IsOlderFileTime(written, package.files[i].date)) wanted.push_back(i);
  }
  return wanted;
}

bool NeedsUpdate(const PackageDescription& package, const InstalledLivery& livery, int configRevision,
                 const LastWrite& lastWrite) {
  if (livery.zelvaVersion < package.configVersion) return true;
  if (!FilesToFetch(package, livery.texture, lastWrite).empty()) return true;
  return livery.settingsVersion < configRevision;
}

}  // namespace zelva::livery
