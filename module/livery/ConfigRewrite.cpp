#include "ConfigRewrite.h"

#include <windows.h>

#include <mutex>
#include <new>
#include <set>

#include "Handles.h"
#include "LiveryFiles.h"

namespace zelva::module {
namespace {

// Larger is no aircraft.cfg, and would not fit a 32-bit process three times over.
constexpr LONGLONG kLargestConfig = 64 << 20;

RewriteStepHook g_hook = nullptr;

void Reached(RewriteStep step) {
  if (g_hook != nullptr) g_hook(step);
}

// The files whose backup this run has made, by upper-case path.
std::mutex g_backupsLock;
std::set<std::string> g_backedUp;

std::string PathKey(const std::string& path) {
  std::string key = path;
  for (char& c : key) c = char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return key;
}

bool BackedUp(const std::string& path) {
  std::lock_guard<std::mutex> lock(g_backupsLock);
  return g_backedUp.count(PathKey(path)) != 0;
}

void MarkBackedUp(const std::string& path) {
  std::lock_guard<std::mutex> lock(g_backupsLock);
  g_backedUp.insert(PathKey(path));
}

bool ReadWhole(const std::string& path, std::string& content) {
  win::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file.valid() || !GetFileSizeEx(file.get(), &size)) return false;
  if (size.QuadPart > kLargestConfig) {
    SetLastError(ERROR_FILE_TOO_LARGE);
    return false;
  }
  content.resize(size_t(size.QuadPart));
  size_t done = 0;
  while (done < content.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), &content[done], DWORD(content.size() - done), &read, nullptr) || read == 0) return false;
    done += read;
  }
  return true;
}

// Written and flushed; the hook hears of each step while the file is open.
bool WriteWhole(const std::string& path, const std::string& content, bool reportSteps) {
  win::FileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  size_t done = 0;
  while (done < content.size()) {
    DWORD written = 0;
    if (!WriteFile(file.get(), content.data() + done, DWORD(content.size() - done), &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  if (reportSteps) Reached(RewriteStep::TemporaryWritten);
  if (!FlushFileBuffers(file.get())) return false;
  if (reportSteps) Reached(RewriteStep::TemporaryFlushed);
  return true;
}

RewriteResult KeepBackup(const std::string& path, const std::string& previous) {
  const std::string backup = path + "_old";
  ClearReadOnly(backup.c_str());
  if (!DeleteFileA(backup.c_str()) && GetLastError() == ERROR_ACCESS_DENIED) return RewriteResult::BackupNotDeleted;
  if (!WriteWhole(backup, previous, false)) {
    LogLivery("writing %s failed: %d\n", backup.c_str(), int(GetLastError()));
    return RewriteResult::BackupNotWritten;
  }
  return RewriteResult::Done;
}

RewriteResult Replace(const std::string& path, const std::string& text) {
  const std::string fresh = path + "_new";
  ClearReadOnly(fresh.c_str());
  bool replaced = WriteWhole(fresh, text, true);
  if (replaced) {
    Reached(RewriteStep::BeforeReplace);
    replaced = MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (!replaced) {
    LogLivery("replacing %s failed: %d\n", path.c_str(), int(GetLastError()));
    DeleteFileA(fresh.c_str());
    return RewriteResult::NotReplaced;
  }
  Reached(RewriteStep::Replaced);
  return RewriteResult::Done;
}

}  // namespace

void SetRewriteStepHook(RewriteStepHook hook) { g_hook = hook; }

ConfigRewrite::ConfigRewrite(const char* cfgPath) : path_(cfgPath != nullptr ? cfgPath : "") {
  try {
    if (path_.empty() || !ReadWhole(path_, original_)) {
      LogLivery("reading %s failed: %d\n", path_.c_str(), int(GetLastError()));
      return;
    }
    config_ = livery::AircraftConfig(original_);
    if (!config_.rewritable()) {
      LogLivery("%s is UTF-16 text; it is left as it is\n", path_.c_str());
      config_ = livery::AircraftConfig();
      return;
    }
    read_ = true;
  } catch (const std::bad_alloc&) {
    LogLivery("reading %s failed: out of memory\n", path_.c_str());
    config_ = livery::AircraftConfig();
  }
}

RewriteResult ConfigRewrite::Commit() {
  if (!read_) return RewriteResult::NotRead;
  try {
    const std::string text = config_.Text();
    if (!BackedUp(path_)) {
      RewriteResult backup = KeepBackup(path_, original_);
      if (backup != RewriteResult::Done) return backup;
    }
    RewriteResult result = Replace(path_, text);
    if (result != RewriteResult::Done) return result;
    MarkBackedUp(path_);
    original_ = text;
    return result;
  } catch (const std::bad_alloc&) {
    LogLivery("replacing %s failed: out of memory\n", path_.c_str());
    return RewriteResult::NotReplaced;
  }
}

bool ReplaceWholeFile(const char* path, const std::string& text) {
  return path != nullptr && Replace(path, text) == RewriteResult::Done;
}

livery::AircraftConfig ReadAircraftConfig(const char* cfgPath) {
  std::string text;
  if (cfgPath == nullptr || !ReadWhole(cfgPath, text)) return livery::AircraftConfig();
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
