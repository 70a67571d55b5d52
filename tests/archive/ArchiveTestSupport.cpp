#include "ArchiveTestSupport.h"

#include <cstdio>

#include "WorkFolders.h"
#include "TestFolder.h"
#include "WideText.h"

namespace archive_test {
namespace {
void Walk(const std::wstring& folder, const std::wstring& prefix, std::map<std::wstring, std::string>& tree) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      Walk(folder + name + L"\\", prefix + name + L"\\", tree);
    else
      tree[prefix + name] = ReadAll(folder + name);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}
}  // namespace

std::wstring Wide(const std::string& text) { return Cabinet::WideFromBytes(text, CP_UTF8); }
std::string Narrow(const std::wstring& text) { return Cabinet::BytesFromWide(text, CP_UTF8); }

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
  std::wstring root = folder;
  if (!root.empty() && root.back() != L'\\') root += L'\\';
  Walk(root, L"", tree);
  return tree;
}

::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                       << " were expected, first difference at " << at;
}

::testing::AssertionResult SameTree(const std::map<std::wstring, std::string>& actual,
                                    const std::map<std::wstring, std::string>& expected) {
  std::string differences;
  for (const auto& file : expected) {
    auto found = actual.find(file.first);
    if (found == actual.end())
      differences += " missing " + Narrow(file.first) + ";";
    else if (found->second != file.second)
      differences += " differs " + Narrow(file.first) + ";";
  }
  for (const auto& file : actual)
    if (expected.count(file.first) == 0) differences += " extra " + Narrow(file.first) + ";";
  if (differences.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differences;
}

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int serial = 0;
  path_ = std::wstring(temp) + L"zelva_archive_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
          std::to_wstring(serial++) + L"\\";
  zelva::files::DeleteFolderTree(Cabinet::BytesFromWide(path_, CP_ACP).c_str());
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { zelva::files::DeleteFolderTree(Cabinet::BytesFromWide(path_, CP_ACP).c_str()); }

}  // namespace archive_test
