// aircraft.cfg read once, edited in memory and put back in one replace, so
// that whoever opens it (the simulator above all) finds either the complete
// old file or the complete new one.
#pragma once

#include <string>

#include "AircraftConfig.h"

namespace zelva::module {

// What a rewrite has done so far. Tests stop the process at each point to
// show what a crash there would leave.
enum class RewriteStep { TemporaryWritten, TemporaryFlushed, BeforeReplace, Replaced };
using RewriteStepHook = void (*)(RewriteStep step);
void SetRewriteStepHook(RewriteStepHook hook);

enum class RewriteResult {
  Done,
  NotRead,           // missing, unreadable, too large or UTF-16
  Refused,           // nothing to write (a replacement without keys)
  BackupNotDeleted,  // the previous backup is in the way
  BackupNotWritten,
  NotReplaced,
};

class ConfigRewrite {
 public:
  explicit ConfigRewrite(const char* cfgPath);
  ConfigRewrite(const ConfigRewrite&) = delete;
  ConfigRewrite& operator=(const ConfigRewrite&) = delete;

  bool read() const { return read_; }
  const std::string& path() const { return path_; }
  livery::AircraftConfig& config() { return config_; }

  // Before the first rewrite of a file in this run its previous text is kept
  // as "<path>_old". The new text is written to "<path>_new", flushed, and
  // moved over the file with MoveFileExA; whatever fails, the file stays as
  // it was and "<path>_new" is deleted. Failures are logged.
  RewriteResult Commit();

 private:
  std::string path_;
  std::string original_;
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
