#include "ArchiveTestSupport.h"

#include <cstdio>

#include "TestFolder.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace archive_test {
std::wstring Wide(const std::string& text) { return zelva::win::WideFromBytes(text, CP_UTF8); }
std::string Narrow(const std::wstring& text) { return zelva::win::BytesFromWide(text, CP_UTF8); }

std::wstring Sample(const wchar_t* name) {
  return Wide(zelva::testing::WindowsPathOf(ZELVA_ARCHIVE_SAMPLES)) + L"\\" + name;
}

std::string ReadAll(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return std::string();
  std::string content;
  char buffer[65536];
  for (size_t read; (read = std::fread(buffer, 1, sizeof(buffer), file)) > 0;) content.append(buffer, read);
  std::fclose(file);
  return content;
}

void WriteAll(const std::wstring& path, const std::string& content) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return;
  std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::map<std::wstring, std::string> ReadTree(const std::wstring& folder) {
  std::map<std::wstring, std::string> tree;
  const std::wstring root = folder.empty() || folder.back() == L'\\' ? folder : folder + L'\\';
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((root + L"*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return tree;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      for (const auto& file : ReadTree(root + name)) tree[name + L"\\" + file.first] = file.second;
    else
      tree[name] = ReadAll(root + name);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return tree;
}

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int serial = 0;
  path_ = std::wstring(temp) + L"zelva_archive_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
          std::to_wstring(serial++) + L"\\";
  zelva::files::DeleteFolderTree(zelva::win::BytesFromWide(path_, CP_ACP).c_str());
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { zelva::files::DeleteFolderTree(zelva::win::BytesFromWide(path_, CP_ACP).c_str()); }

}  // namespace archive_test
