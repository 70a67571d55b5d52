// aircraft.cfg read once, edited in memory and put back in one replace
// (FileRewrite), so that whoever opens it (the simulator above all) finds
// either the complete old file or the complete new one.
#pragma once

#include <string>

#include "AircraftConfig.h"
#include "FileRewrite.h"

namespace zelva::module {

class ConfigRewrite {
 public:
  explicit ConfigRewrite(const char* cfgPath);
  ConfigRewrite(const ConfigRewrite&) = delete;
  ConfigRewrite& operator=(const ConfigRewrite&) = delete;

  bool read() const { return read_; }
  const std::string& path() const { return file_.path(); }
  livery::AircraftConfig& config() { return config_; }

  // The edited text in one replace, the first one of the run keeping
  // "<path>_old" (FileRewrite::Commit).
  RewriteResult Commit();

 private:
  FileRewrite file_;
  livery::AircraftConfig config_;
  bool read_ = false;
};

// Any file of the module's put in one replace the same way ("<path>_new",
// flushed, moved over it; the hook hears each step), without the "_old" copy.
bool ReplaceWholeFile(const char* path, const std::string& text);

// The file as it is now, for many lookups at the cost of one read; without
// entries when it cannot be read.
livery::AircraftConfig ReadAircraftConfig(const char* cfgPath);

// Shows the message insertion has always shown for a failure (none for
// Refused); false.
bool ShowRewriteFailure(RewriteResult result);

}  // namespace zelva::module
