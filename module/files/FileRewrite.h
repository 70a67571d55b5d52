// A user's file read once and put back in one replace, so that whoever opens
// it (the simulator above all) finds either the complete old file or the
// complete new one, and the text it had before this run's first change stays
// beside it as "<file>_old".
#pragma once

#include <string>

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

// The whole file, up to 64 MB; false with the system's error code set.
bool ReadWholeFile(const std::string& path, std::string& content);

// The file written to "<path>_new", flushed and moved over "<path>" (which
// need not exist), with no "_old" copy: for the program's own files.
RewriteResult ReplaceWholeFile(const std::string& path, const std::string& text, const char* component);

class FileRewrite {
 public:
  // component names the log lines of this file's failures.
  FileRewrite(std::string path, const char* component) : path_(std::move(path)), component_(component) {}
  FileRewrite(const FileRewrite&) = delete;
  FileRewrite& operator=(const FileRewrite&) = delete;

  // Reads the file as it is now; false, logged, when it cannot.
  bool Read();
  const std::string& path() const { return path_; }
  const std::string& original() const { return original_; }

  // Before the first rewrite of a file in this run its previous text is kept
  // as "<path>_old". The new text is written to "<path>_new", flushed, and
  // moved over the file with MoveFileExA; whatever fails, the file stays as
  // it was and "<path>_new" is deleted. Failures are logged. Needs Read.
  RewriteResult Commit(const std::string& text);

 private:
  std::string path_;
  const char* component_;
  std::string original_;
  bool read_ = false;
};

}  // namespace zelva::module
