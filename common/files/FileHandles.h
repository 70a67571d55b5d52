// Owners of the file system's handles, closed whichever way their scope ends.
#pragma once

#include <windows.h>

namespace zelva::files {

// A FindFirstFile search; found() tells whether entry holds a first match.
class FileSearch {
 public:
  FileSearch(const char* pattern, WIN32_FIND_DATAA& entry) : handle_(FindFirstFileA(pattern, &entry)) {}
  ~FileSearch() {
    if (found()) FindClose(handle_);
  }
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  bool found() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAA& entry) { return FindNextFileA(handle_, &entry) != FALSE; }

 private:
  HANDLE handle_;
};

// A handle from CreateFile.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace zelva::files
