#include "WorkFolder.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "FixedText.h"

namespace zelva::module {
namespace {
constexpr int kFolderNumbers = 10000;
}

WorkFolder::WorkFolder() {
  char temporary[kPathChars];
  DWORD length = GetTempPathA(kPathChars, temporary);
  if (length == 0 || length >= kPathChars) return;
  for (int number = 0; number < kFolderNumbers; ++number) {
    char candidate[kPathChars];
    int written = std::snprintf(candidate, sizeof(candidate), "%sZELVA_HDK%04d", temporary, number);
    if (written < 0 || size_t(written) + 2 > sizeof(candidate)) return;
    // Creating the folder claims its number: a later step of the same
    // installation, or another thread, takes the next one.
    if (!CreateDirectoryA(candidate, nullptr)) {
      if (GetLastError() == ERROR_ALREADY_EXISTS) continue;
      return;
    }
    text::CopyBounded(path_, candidate);
    text::AppendBounded(path_, "\\");
    return;
  }
}

WorkFolder::~WorkFolder() {
  if (ok()) DeleteFolderTree(path_);
}

bool DeleteFolderTree(const char* folder) {
  if (folder == nullptr || folder[0] == '\0') return false;
  // The shell wants a list ended by a second terminator.
  char from[kPathChars + 2] = {};
  if (!text::CopyBounded(from, kPathChars, folder)) return false;
  size_t length = std::strlen(from);
  if (length > 0 && from[length - 1] == '\\') from[--length] = '\0';
  if (length == 0) return false;
  from[length + 1] = '\0';

  SHFILEOPSTRUCTA operation = {};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from;
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
  return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace zelva::module
