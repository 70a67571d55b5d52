// The files below a folder, as pack and update-list take them.
#pragma once

#include <string>
#include <vector>

namespace zlptool {

struct FolderFile {
  std::wstring path;
  std::wstring name;  // relative to the top folder, "\" separated
};

// Files below folder, each folder's files in name order (case ignored) before
// its subfolders, with names relative to the top folder behind prefix.
void CollectFolder(const std::wstring& folder, const std::wstring& prefix, std::vector<FolderFile>& files);

// The path made absolute, without a trailing separator.
std::wstring FullPath(const std::wstring& path);

}  // namespace zlptool
