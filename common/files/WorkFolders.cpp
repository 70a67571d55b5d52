#include "WorkFolders.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "FixedText.h"
#include "Handles.h"

namespace zelva::files {
namespace {

constexpr int kFolderNumbers = 10000;

bool TemporaryFolder(char (&folder)[kPathChars]) {
  DWORD length = GetTempPathA(kPathChars, folder);
  if (length == 0 || length >= kPathChars) {
    folder[0] = '\0';
    return false;
  }
  return true;
}

// "ZELVA_HDK%04d" in folder; false when it does not fit with a trailing backslash.
bool NumberedName(const char* folder, int number, char (&name)[kPathChars]) {
  int length = std::snprintf(name, sizeof(name), "%sZELVA_HDK%04d", folder, number);
  return length >= 0 && size_t(length) + 2 <= sizeof(name);
}

}  // namespace

bool MakeTemporaryFolderName(char (&path)[kPathChars]) {
  char folder[kPathChars];
  path[0] = '\0';
  if (!TemporaryFolder(folder)) return false;
  for (int number = 0; number < kFolderNumbers; ++number) {
    char candidate[kPathChars];
    if (!NumberedName(folder, number, candidate)) return false;
    if (GetFileAttributesA(candidate) != INVALID_FILE_ATTRIBUTES) continue;
    text::CopyBounded(path, candidate);
    text::AppendBounded(path, "\\");
    return true;
  }
  return false;
}

std::vector<std::string> ListTemporaryFolders() {
  std::vector<std::string> folders;
  char folder[kPathChars];
  if (!TemporaryFolder(folder)) return folders;
  char pattern[kPathChars];
  text::CopyBounded(pattern, folder);
  if (!text::AppendBounded(pattern, "ZELVA_HDK*")) return folders;

  WIN32_FIND_DATAA entry;
  win::FileSearch search(pattern, entry);
  if (!search.found()) return folders;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    char target[kPathChars];
    text::CopyBounded(target, folder);
    if (text::AppendBounded(target, entry.cFileName)) folders.push_back(target);
  } while (search.Next(entry));
  return folders;
}

void DeleteFolderTrees(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) DeleteFolderTree(folder.c_str());
}

void ClearTemporaryFolders() { DeleteFolderTrees(ListTemporaryFolders()); }

bool DeleteFolderTree(const char* folder) {
  if (folder == nullptr || folder[0] == '\0') return false;
  // Room for the path and the double terminator the shell expects.
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

WorkFolder::WorkFolder() {
  char folder[kPathChars];
  if (!TemporaryFolder(folder)) return;
  for (int number = 0; number < kFolderNumbers; ++number) {
    char candidate[kPathChars];
    if (!NumberedName(folder, number, candidate)) return;
    // Creating the folder claims its number: a nested step, or another
    // thread, takes the next one.
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

}  // namespace zelva::files
