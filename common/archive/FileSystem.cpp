#include "FileSystem.h"

namespace zelva::archive {

bool CreateFolderTree(const std::wstring& folder, DWORD& error) {
  error = 0;
  std::wstring path = folder;
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  if (path.empty()) return true;
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    error = ERROR_ALREADY_EXISTS;
    return false;
  }
  size_t parentEnd = path.find_last_of(L"\\/");
  // A drive ("C:") or share root has no parent to create.
  if (parentEnd != std::wstring::npos && parentEnd > 0 && path[parentEnd - 1] != L':' &&
      !CreateFolderTree(path.substr(0, parentEnd), error))
    return false;
  if (CreateDirectoryW(path.c_str(), nullptr)) return true;
  error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS) {
    error = 0;
    return true;
  }
  return false;
}

FILETIME FileTimeFromDos(uint16_t date, uint16_t time) {
  FILETIME stamp = {};
  DosDateTimeToFileTime(date, time, &stamp);
  return stamp;
}

void ApplyStoredTimeAndAttributes(const std::wstring& path, uint16_t date, uint16_t time, uint16_t attributes) {
  FILETIME stamp = FileTimeFromDos(date, time);
  FILETIME utc = stamp;
  if (!(attributes & kTimeIsUtc)) LocalFileTimeToFileTime(&stamp, &utc);
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    SetFileTime(file, &utc, nullptr, &utc);
    CloseHandle(file);
  }
  DWORD kept = attributes & kKeptAttributes;
  SetFileAttributesW(path.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
}

}  // namespace zelva::archive
