#include "PlatformSoundFiles.h"

#include <windows.h>

#include <cstring>

#include "Handles.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

constexpr size_t kDigestChars = 33;

bool IsDots(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

}  // namespace

bool PlatformSoundFiles::List(const std::string& folder, sound::FolderContent& content) {
  WIN32_FIND_DATAA entry;
  win::FileSearch search(sound::Join(folder, "*").c_str(), entry);
  if (!search.found()) return false;
  do {
    if (IsDots(entry.cFileName)) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      content.folders.push_back(entry.cFileName);
    else
      content.files.push_back(entry.cFileName);
  } while (search.Next(entry));
  return true;
}

sound::Probe PlatformSoundFiles::Open(const std::string& file) {
  win::FileHandle handle(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (handle) return sound::Probe::kPresent;
  DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? sound::Probe::kAbsent : sound::Probe::kBusy;
}

bool PlatformSoundFiles::Digest(const std::string& file, std::string& hex) {
  char digest[kDigestChars] = {};
  if (CallHost(kHostFileDigest, file.c_str(), digest) != kResultDone) return false;
  digest[kDigestChars - 1] = '\0';
  hex = digest;
  return !hex.empty();
}

bool PlatformSoundFiles::Copy(const std::string& from, const std::string& to, bool overwrite) {
  return CopyFileA(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != FALSE;
}

void PlatformSoundFiles::MakeFolder(const std::string& folder) { CreateDirectoryA(folder.c_str(), nullptr); }

void PlatformSoundFiles::Show(int line, const std::string& text) {
  HostContext* host = Host();
  if (host != nullptr && host->setWorkingDialogText != nullptr) host->setWorkingDialogText(line, text.c_str());
}

void PlatformSoundFiles::Log(const char* text) { module::Log("%s", text); }

}  // namespace zelva::module
