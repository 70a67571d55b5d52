#include "ConfigRewrite.h"

#include <windows.h>

#include <new>

#include "LiveryFiles.h"

namespace zelva::module {

ConfigRewrite::ConfigRewrite(const char* cfgPath) : file_(cfgPath != nullptr ? cfgPath : "", "LivMgrLib") {
  try {
    if (!file_.Read()) return;
    config_ = livery::AircraftConfig(file_.original());
    if (!config_.rewritable()) {
      LogLivery("%s is UTF-16 text; it is left as it is\n", file_.path().c_str());
      config_ = livery::AircraftConfig();
      return;
    }
    read_ = true;
  } catch (const std::bad_alloc&) {
    LogLivery("reading %s failed: out of memory\n", file_.path().c_str());
    config_ = livery::AircraftConfig();
  }
}

RewriteResult ConfigRewrite::Commit() {
  if (!read_) return RewriteResult::NotRead;
  try {
    return file_.Commit(config_.Text());
  } catch (const std::bad_alloc&) {
    LogLivery("replacing %s failed: out of memory\n", file_.path().c_str());
    return RewriteResult::NotReplaced;
  }
}

bool ReplaceWholeFile(const char* path, const std::string& text) {
  return path != nullptr && ReplaceWholeFile(std::string(path), text, "LivMgrLib") == RewriteResult::Done;
}

livery::AircraftConfig ReadAircraftConfig(const char* cfgPath) {
  std::string text;
  if (cfgPath == nullptr || !ReadWholeFile(cfgPath, text)) return livery::AircraftConfig();
  return livery::AircraftConfig(text);
}

bool ShowRewriteFailure(RewriteResult result) {
  switch (result) {
    case RewriteResult::Done:
    case RewriteResult::Refused:  // logged; nothing was wrong with the file
      break;
    case RewriteResult::BackupNotDeleted:
      AskUser("There was an error deleting the old backup aircraft.cfg!", "Error", MB_OK | MB_ICONEXCLAMATION);
      break;
    case RewriteResult::BackupNotWritten:
      AskUser("There was an error opening the backup file!", "Debug", MB_OK | MB_ICONEXCLAMATION);
      break;
    default:
      AskUser("There was an error opening aircraft.cfg!", "Error", MB_OK | MB_ICONEXCLAMATION);
      break;
  }
  return false;
}

}  // namespace zelva::module
