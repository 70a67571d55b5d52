#include <windows.h>

#include <string>

#include "Handles.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryInsertion.h"

namespace zelva::module {
namespace {

bool ReadWhole(const char* path, std::string& content) {
  win::FileHandle file(
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file.valid() || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x40000000) return false;
  content.resize(size_t(size.QuadPart));
  size_t done = 0;
  while (done < content.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), &content[done], DWORD(content.size() - done), &read, nullptr) || read == 0) return false;
    done += read;
  }
  return true;
}

bool WriteWhole(const char* path, const std::string& content) {
  win::FileHandle file(
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  size_t done = 0;
  while (done < content.size()) {
    DWORD written = 0;
    if (!WriteFile(file.get(), content.data() + done, DWORD(content.size() - done), &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return FlushFileBuffers(file.get()) != 0;
}

bool Stop(const char* text, const char* caption) {
  AskUser(text, caption, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

}  // namespace

// The simulator must find a complete aircraft.cfg whenever it looks: the new
// text goes to a file beside it, which then replaces it in one step.
bool InsertLiveryEntry(const char* cfgPath, int entry, const std::string& sectionText) {
  if (cfgPath == nullptr || cfgPath[0] == '\0') return Stop("There was an error opening aircraft.cfg!", "Error");
  std::string backup = std::string(cfgPath) + "_old";
  std::string fresh = std::string(cfgPath) + "_new";
  ClearReadOnly(backup.c_str());
  ClearReadOnly(fresh.c_str());
  ClearReadOnly(cfgPath);

  if (!DeleteFileA(backup.c_str()) && GetLastError() == ERROR_ACCESS_DENIED)
    return Stop("There was an error deleting the old backup aircraft.cfg!", "Error");

  std::string previous;
  if (!ReadWhole(cfgPath, previous)) {
    LogLivery("reading %s failed: %d\n", cfgPath, int(GetLastError()));
    return Stop("There was an error opening aircraft.cfg!", "Error");
  }
  if (!WriteWhole(backup.c_str(), previous)) {
    LogLivery("writing %s failed: %d\n", backup.c_str(), int(GetLastError()));
    return Stop("There was an error opening the backup file!", "Debug");
  }

  std::string next = livery::InsertEntrySection(previous, entry, sectionText);
  if (!WriteWhole(fresh.c_str(), next) ||
      !MoveFileExA(fresh.c_str(), cfgPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    LogLivery("replacing %s failed: %d\n", cfgPath, int(GetLastError()));
    DeleteFileA(fresh.c_str());
    return Stop("There was an error opening aircraft.cfg!", "Error");
  }
  return true;
}

}  // namespace zelva::module
