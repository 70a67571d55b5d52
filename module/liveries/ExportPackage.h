// One package of a livery export: written under a temporary name beside its
// destination, enciphered with the package key, and moved into place only
// when every step has succeeded. The first failed step is kept as text.
#pragma once

#include <memory>
#include <string>

#include "CabinetWriter.h"

namespace zelva::module {

class ExportPackage {
 public:
  ExportPackage(std::string outputPath, Cabinet::WriterStatusCallback status);
  ~ExportPackage();  // an unfinished package leaves nothing behind
  ExportPackage(const ExportPackage&) = delete;
  ExportPackage& operator=(const ExportPackage&) = delete;

  bool Open();
  // Adds a file under its name inside the package; flushFolder closes the
  // cabinet folder behind it, so that every file forms a folder of its own.
  bool Add(const std::string& source, const std::string& name, bool flushFolder);
  // Flushes the cabinet and replaces the destination with it.
  bool Finish();

  // What failed, e.g. "adding \"Config.cfg\" (error 1004, system error 5)".
  const std::string& failure() const { return failure_; }

 private:
  bool Fail(const std::string& step);
  bool WriterFailed(const std::string& step);

  std::string output_, temporary_;
  std::unique_ptr<Cabinet::CabinetWriter> writer_;
  bool finished_ = false;
  std::string failure_;
};

}  // namespace zelva::module
