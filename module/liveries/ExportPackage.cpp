#include "ExportPackage.h"

#include <windows.h>

#include <cstdio>

#include "PackageKey.h"

namespace zelva::module {

ExportPackage::ExportPackage(std::string outputPath, Cabinet::WriterStatusCallback status)
    : output_(std::move(outputPath)),
      temporary_(output_ + ".part"),
      writer_(std::make_unique<Cabinet::CabinetWriter>(status)) {}

ExportPackage::~ExportPackage() {
  if (finished_) return;
  writer_.reset();
  DeleteFileA(temporary_.c_str());
}

bool ExportPackage::Fail(const std::string& step) {
  if (failure_.empty()) failure_ = step;
  return false;
}

bool ExportPackage::WriterFailed(const std::string& step) {
  const ERF& error = writer_->GetError();
  char codes[80];
  std::snprintf(codes, sizeof(codes), " (error %d, system error %d)", error.erfOper, error.erfType);
  return Fail(step + codes);
}

bool ExportPackage::Open() {
  writer_->SetCipherKey(archive::kPackageKeyLength, archive::PackageKey());
  // A package left over from an earlier attempt would only be in the way.
  DeleteFileA(temporary_.c_str());
  return writer_->Create(temporary_.c_str()) || WriterFailed("creating \"" + temporary_ + "\"");
}

bool ExportPackage::Add(const std::string& source, const std::string& name, bool flushFolder) {
  if (!failure_.empty()) return false;
  if (!writer_->AddFile(source.c_str(), name.c_str())) return WriterFailed("adding \"" + name + "\"");
  return !flushFolder || writer_->FlushFolder() || WriterFailed("adding \"" + name + "\"");
}

bool ExportPackage::Finish() {
  if (!failure_.empty()) return false;
  if (!writer_->FlushCabinet()) return WriterFailed("writing \"" + temporary_ + "\"");
  if (!writer_->Destroy()) return WriterFailed("closing \"" + temporary_ + "\"");
  writer_.reset();
  if (!MoveFileExA(temporary_.c_str(), output_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    char codes[40];
    std::snprintf(codes, sizeof(codes), " (system error %d)", int(GetLastError()));
    return Fail("replacing \"" + output_ + "\"" + codes);
  }
  finished_ = true;
  return true;
}

}  // namespace zelva::module
