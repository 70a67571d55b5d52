#include "HostPaths.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <cstring>

#include "FixedText.h"

namespace zelva::host {
namespace {

void LowerCase(char* text) { CharLowerBuffA(text, DWORD(std::strlen(text))); }

bool EndsWithBackslash(const char* text) {
  size_t n = std::strlen(text);
  return n > 0 && text[n - 1] == '\\';
}

// Appends one folder level and creates it; MAX_PATH bounds PathAppendA.
bool AppendAndCreate(char (&path)[MAX_PATH], const char* level) {
  if (!PathAppendA(path, level)) return false;
  if (!EndsWithBackslash(path) && !text::AppendBounded(path, "\\")) return false;
  CreateDirectoryA(path, nullptr);
  return true;
}

}  // namespace

bool ProgramFolderFromModulePath(const char* modulePath, char (&folder)[kPathChars]) {
  if (!text::CopyBounded(folder, modulePath)) {
    folder[0] = '\0';
    return false;
  }
  LowerCase(folder);
  char* lastSlash = std::strrchr(folder, '\\');
  if (lastSlash == nullptr) {
    folder[0] = '\0';
    return false;
  }
  lastSlash[1] = '\0';
  return true;
}

bool BuildDataFolder(const char* appDataFolder, char (&folder)[kPathChars]) {
  folder[0] = '\0';
  char path[MAX_PATH];
  if (!text::CopyBounded(path, appDataFolder)) return false;
  if (!AppendAndCreate(path, "\\ZELVA\\")) return false;
  if (!AppendAndCreate(path, "\\ZELVA Hangardesk\\")) return false;
  LowerCase(path);
  return text::CopyBounded(folder, path);
}

void SetDataPaths(HostContext& context, const char* dataFolder) {
  text::CopyBounded(context.dataFolder, dataFolder);
  text::CopyBounded(context.configPath, context.dataFolder);
  text::AppendBounded(context.configPath, "ZELVA Hangardesk.cfg");
  text::CopyBounded(context.logPath, context.dataFolder);
  text::AppendBounded(context.logPath, "ZELVA Hangardesk.log");
}

bool PrepareHostPaths(HostContext& context) {
  char modulePath[kPathChars] = {};
  DWORD length = GetModuleFileNameA(nullptr, modulePath, kPathChars);
  bool ok = length > 0 && length < kPathChars &&
            ProgramFolderFromModulePath(modulePath, context.programFolder);

  char appData[MAX_PATH] = {};
  char dataFolder[kPathChars] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData)) ||
      !BuildDataFolder(appData, dataFolder)) {
    // Without a data folder the paths stay empty: nothing may land in the
    // current directory instead.
    return false;
  }
  SetDataPaths(context, dataFolder);
  return ok;
}

}  // namespace zelva::host
