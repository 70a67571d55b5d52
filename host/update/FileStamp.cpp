#include "FileStamp.h"

#include <windows.h>

#include <cstdio>

#include "Handles.h"
#include "HostLog.h"

namespace zelva::host {
namespace {
constexpr int kAttempts = 10;
}

bool FileStamp(const char* path, char* stamp, size_t capacity) {
  if (capacity > 0) stamp[0] = '\0';
  if (path == nullptr || capacity < kFileStampChars) return false;

  win::FileHandle file;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    file.reset(CreateFileA(path, 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file) break;
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return false;
    HostLog("\t\t\tError: %d\n", int(error));
  }
  if (!file) return false;

  FILETIME written = {};
  if (!GetFileTime(file.get(), nullptr, nullptr, &written)) return false;
  long long intervals = (static_cast<long long>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
  std::snprintf(stamp, capacity, "%lld", intervals);
  return true;
}

}  // namespace zelva::host
