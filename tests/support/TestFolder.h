// Test helpers for Windows programs: folders, files, paths.
#pragma once

#include <windows.h>

#include <string>

namespace zelva::testing {

// A fresh folder below the temporary folder for one test, removed afterwards.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // With trailing backslash.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// A path of the Linux file system as a Windows program under Wine sees it.
std::string WindowsPathOf(const char* unixPath);

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);
bool Exists(const std::string& path);

// Sets an environment variable of this process, which the programs it starts
// inherit, while it lives; removes it again afterwards.
class EnvironmentOverride {
 public:
  EnvironmentOverride(const char* name, const std::string& value) : name_(name) {
    SetEnvironmentVariableA(name, value.c_str());
  }
  ~EnvironmentOverride() { SetEnvironmentVariableA(name_, nullptr); }
  EnvironmentOverride(const EnvironmentOverride&) = delete;
  EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

 private:
  const char* name_;
};

// Points the process's temporary folder (TMP) elsewhere while it lives.
class TemporaryFolderOverride {
 public:
  explicit TemporaryFolderOverride(const std::string& folder);
  ~TemporaryFolderOverride();
  TemporaryFolderOverride(const TemporaryFolderOverride&) = delete;
  TemporaryFolderOverride& operator=(const TemporaryFolderOverride&) = delete;

 private:
  std::string previous_;
  bool hadPrevious_;
};

}  // namespace zelva::testing
