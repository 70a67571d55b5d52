// One package file opened with the package key: single files by name, or
// the files of one folder inside the package.
#pragma once

#include <memory>
#include <string>

#include "Extract.h"

namespace zelva::module {

class PackageArchive {
 public:
  explicit PackageArchive(const char* packagePath);
  ~PackageArchive();
  PackageArchive(const PackageArchive&) = delete;
  PackageArchive& operator=(const PackageArchive&) = delete;

  // Opens the decoder and sets the key. Only one archive per thread may be
  // open at a time, so a caller closes one before opening the next.
  bool Open();
  void Close();

  // Extracts every entry whose file name equals name (case ignored) into folder.
  bool ExtractFile(const char* name, const char* folder);
  // Extracts with the given selection; user reaches the callback.
  bool ExtractSelected(const wchar_t* targetFolder, Cabinet::BeforeCopyCallback select, INT_PTR user);

  const Cabinet::ExtractError& error() const { return extract_.GetError(); }

 private:
  std::wstring path_;
  Cabinet::CExtract extract_;
};

}  // namespace zelva::module
