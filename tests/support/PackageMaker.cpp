#include "PackageMaker.h"

#include "CabinetWriter.h"
#include "PackageKey.h"

namespace zelva::testing {

PackageMaker& PackageMaker::Add(const std::string& name, const std::string& content) {
  std::string staged = staging_ / ("entry" + std::to_string(entries_.size()));
  WriteWholeFile(staged, content);
  entries_.emplace_back(name, staged);
  return *this;
}

PackageMaker& PackageMaker::AddFile(const std::string& name, const std::string& sourcePath) {
  entries_.emplace_back(name, sourcePath);
  return *this;
}

bool PackageMaker::Write(const std::string& path, bool enciphered) const {
  Cabinet::CabinetWriter writer;
  if (enciphered) writer.SetCipherKey(zelva::archive::kPackageKeyLength, zelva::archive::PackageKey());
  bool written = writer.Create(path.c_str());
  for (const auto& [name, staged] : entries_) written = written && writer.AddFile(staged.c_str(), name.c_str());
  written = written && writer.FlushCabinet();
  return writer.Destroy() && written;
}

}  // namespace zelva::testing
