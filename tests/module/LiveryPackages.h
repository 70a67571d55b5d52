// Livery packages for the installation tests, written by the project's own
// cabinet writer with the package key, and the simulated FSX they go into.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ZelvaContract.h"

namespace zelva::testing {

struct PackageEntry {
  std::string name;  // inside the package
  std::string content;
};

// Writes an enciphered package from the entries; false when the writer failed.
bool WritePackage(const std::string& workFolder, const std::string& packagePath, const std::vector<PackageEntry>& entries);

std::string SettingsText(const std::string& type, int fileVersion, const std::string& aircraft, const std::string& variant,
                         const std::string& extra = "");

PackageSummary Summary(const char* type, const char* variant = "ZELVA K50F");

// Every file below folder: relative path -> content.
std::map<std::string, std::string> FileTree(const std::string& folder);

// Answers the texture-folder dialog once per name: types the name, presses OK,
// and answers the formatting message a name without "Texture." brings up.
class TextureFolderAnswers {
 public:
  explicit TextureFolderAnswers(std::vector<std::string> names);
  ~TextureFolderAnswers();

  // How many dialogs were answered; the shown names and formatting messages in order.
  int Wait();
  const std::vector<std::string>& shownNames() const { return shownNames_; }
  const std::vector<std::string>& formattingMessages() const { return formattingMessages_; }

 private:
  void Run();

  std::vector<std::string> names_;
  std::vector<std::string> shownNames_;
  std::vector<std::string> formattingMessages_;
  int answered_ = 0;
  std::thread thread_;
};

}  // namespace zelva::testing
