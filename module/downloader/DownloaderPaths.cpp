#include "DownloaderPaths.h"

#include <windows.h>
#include <shlobj.h>

#include "LiveryCatalogue.h"
#include "LiveryPaths.h"
#include "ModuleContext.h"
#include "ServerNames.h"

namespace zelva::module {
namespace {

// A first run has neither folder, and writing into one that is missing fails.
std::string Folder(const char* below) {
  HostContext* host = Host();
  if (host == nullptr || host->dataFolder[0] == '\0') return std::string();
  std::string folder = std::string(host->dataFolder);
  if (folder.back() != '\\') folder += '\\';
  folder += below;
  if (folder.size() >= kPathChars) return std::string();
  DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return folder;
  int made = SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
  if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS) {
    Log("\n%s - Cannot create %s (%d)\n", Product().shortName, folder.c_str(), made);
    return std::string();
  }
  return folder;
}

std::string Inside(const std::string& folder, const std::string& name) {
  if (folder.empty()) return std::string();
  if (!livery::IsPlainServerName(name)) {
    Log("\n%s - Refused the server's file name \"%s\"\n", Product().shortName, name.c_str());
    return std::string();
  }
  std::string path = folder + name;
  return path.size() < kPathChars ? path : std::string();
}

}  // namespace

std::string DownloadsFolder() { return Folder("Liveries\\"); }
std::string CacheFolder() { return Folder("Cache\\Liveries\\"); }

std::string DownloadedPackagePath(const std::string& fileName) { return Inside(DownloadsFolder(), fileName); }

std::string SummaryArchivePath(const std::string& fileName) {
  if (!livery::IsPlainServerName(fileName)) return Inside(std::string(), fileName);
  return Inside(CacheFolder(), livery::SummaryArchiveName(fileName));
}

std::string LiveryPackageUrl(const std::string& fileName) {
  HostContext* host = Host();
  if (host == nullptr) return std::string();
  return livery::PackageUrl(host->liveriesServer, fileName);
}

std::string VariantFolder(int variant) {
  char folder[kPathChars];
  return VariantAircraftFolder(variant, folder) ? std::string(folder) : std::string();
}

}  // namespace zelva::module
