// Shared helpers of the Windows archive tests: sample packages made by the
// test fixture, folder trees.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace archive_test {

// A file of the fixture's sample folder, as a Windows path.
std::wstring Sample(const wchar_t* name);
std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);

std::string ReadAll(const std::wstring& path);
void WriteAll(const std::wstring& path, const std::string& content);
bool Exists(const std::wstring& path);

// Every file below folder: relative path ("\" separators) -> content.
std::map<std::wstring, std::string> ReadTree(const std::wstring& folder);

// A fresh empty folder below the temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::wstring& path() const { return path_; }  // with trailing backslash
  std::wstring operator/(const std::wstring& name) const { return path_ + name; }

 private:
  std::wstring path_;
};

}  // namespace archive_test
