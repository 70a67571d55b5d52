#include "FolderFiles.h"

#include <windows.h>

#include <algorithm>

#include "Handles.h"

namespace zlptool {
namespace {

bool LessIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE) == CSTR_LESS_THAN;
}

}  // namespace

void CollectFolder(const std::wstring& folder, const std::wstring& prefix, std::vector<FolderFile>& files) {
  WIN32_FIND_DATAW entry;
  zelva::win::FileSearch search((folder + L"\\*").c_str(), entry);
  if (!search.found()) return;
  std::vector<std::wstring> names, folders;
  do {
    std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? folders : names).push_back(name);
  } while (search.Next(entry));
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  std::sort(folders.begin(), folders.end(), LessIgnoringCase);
  for (const std::wstring& name : names) files.push_back({folder + L"\\" + name, prefix + name});
  for (const std::wstring& name : folders) CollectFolder(folder + L"\\" + name, prefix + name + L"\\", files);
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 2];
  DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 2, full, nullptr);
  std::wstring result = length > 0 && length < MAX_PATH * 2 ? std::wstring(full) : path;
  while (result.size() > 3 && (result.back() == L'\\' || result.back() == L'/')) result.pop_back();
  return result;
}

}  // namespace zlptool
