// Packages made in a test as the maker's tools make them: a cabinet,
// enciphered with the package key unless it is to be a plain nested cabinet.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "TestFolder.h"

namespace zelva::testing {

class PackageMaker {
 public:
  // name: the entry's path inside the package ("\" separated).
  PackageMaker& Add(const std::string& name, const std::string& content);
  PackageMaker& AddFile(const std::string& name, const std::string& sourcePath);
  PackageMaker& Settings(const std::string& profileText) { return Add("Settings.dat", profileText); }
  // False when the cabinet could not be written.
  bool Write(const std::string& path, bool enciphered = true) const;

 private:
  TestFolder staging_;
  std::vector<std::pair<std::string, std::string>> entries_;  // name, staged file
};

}  // namespace zelva::testing
