#include "TestFolder.h"

#include <cstdio>
#include <fstream>

#include "Handles.h"
#include "WorkFolders.h"

namespace zelva::testing {

TestFolder::TestFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int serial = 0;
  char name[MAX_PATH];
  std::snprintf(name, sizeof(name), "%szelva_test_%lu_%d\\", temp, GetCurrentProcessId(), serial++);
  path_ = name;
  files::DeleteFolderTree(path_.c_str());
  CreateDirectoryA(path_.c_str(), nullptr);
}

TestFolder::~TestFolder() { files::DeleteFolderTree(path_.c_str()); }

std::string ReadWholeFile(const std::string& path) {
  // Shared for deletion too: a program that starts its log anew while a test
  // reads it must not be refused.
  win::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string content;
  if (!file) return content;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) content.append(buffer, got);
  return content;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

std::string WindowsPathOf(const char* unixPath) {
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TemporaryFolderOverride::TemporaryFolderOverride(const std::string& folder) {
  char previous[MAX_PATH];
  DWORD length = GetEnvironmentVariableA("TMP", previous, MAX_PATH);
  hadPrevious_ = length > 0 && length < MAX_PATH;
  if (hadPrevious_) previous_ = previous;
  SetEnvironmentVariableA("TMP", folder.c_str());
}

TemporaryFolderOverride::~TemporaryFolderOverride() {
  SetEnvironmentVariableA("TMP", hadPrevious_ ? previous_.c_str() : nullptr);
}

}  // namespace zelva::testing
