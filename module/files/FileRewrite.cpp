#include "FileRewrite.h"

#include <windows.h>

#include <mutex>
#include <new>
#include <set>

#include "Handles.h"
#include "LiveryFiles.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

// Larger is no file of an aircraft, and would not fit a 32-bit process three times over.
constexpr LONGLONG kLargestFile = 64 << 20;

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

// "\n<short name> - <component>: " and the text.
template <typename... Arguments>
void LogFailure(const char* component, const char* format, Arguments... arguments) {
  std::string line = std::string("\n%s - %s: ") + format;
  Log(line.c_str(), Product().shortName, component, arguments...);
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

RewriteResult KeepBackup(const std::string& path, const std::string& previous, const char* component) {
  const std::string backup = path + "_old";
  ClearReadOnly(backup.c_str());
  if (!DeleteFileA(backup.c_str()) && GetLastError() == ERROR_ACCESS_DENIED) return RewriteResult::BackupNotDeleted;
  if (!WriteWhole(backup, previous, false)) {
    LogFailure(component, "writing %s failed: %d\n", backup.c_str(), int(GetLastError()));
    return RewriteResult::BackupNotWritten;
  }
  return RewriteResult::Done;
}

RewriteResult Replace(const std::string& path, const std::string& text, const char* component) {
  const std::string fresh = path + "_new";
  ClearReadOnly(fresh.c_str());
  bool replaced = WriteWhole(fresh, text, true);
  if (replaced) {
    Reached(RewriteStep::BeforeReplace);
    replaced = MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (!replaced) {
    LogFailure(component, "replacing %s failed: %d\n", path.c_str(), int(GetLastError()));
    DeleteFileA(fresh.c_str());
    return RewriteResult::NotReplaced;
  }
  Reached(RewriteStep::Replaced);
  return RewriteResult::Done;
}

}  // namespace

void SetRewriteStepHook(RewriteStepHook hook) { g_hook = hook; }

RewriteResult ReplaceWholeFile(const std::string& path, const std::string& text, const char* component) {
  try {
    return Replace(path, text, component);
  } catch (const std::bad_alloc&) {
    LogFailure(component, "replacing %s failed: out of memory\n", path.c_str());
    return RewriteResult::NotReplaced;
  }
}

bool ReadWholeFile(const std::string& path, std::string& content) {
  win::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file.valid() || !GetFileSizeEx(file.get(), &size)) return false;
  if (size.QuadPart > kLargestFile) {
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

bool FileRewrite::Read() {
  read_ = false;
  try {
    if (path_.empty() || !ReadWholeFile(path_, original_)) {
      LogFailure(component_, "reading %s failed: %d\n", path_.c_str(), int(GetLastError()));
      original_.clear();
      return false;
    }
  } catch (const std::bad_alloc&) {
    LogFailure(component_, "reading %s failed: out of memory\n", path_.c_str());
    original_.clear();
    return false;
  }
  read_ = true;
  return true;
}

RewriteResult FileRewrite::Commit(const std::string& text) {
  if (!read_) return RewriteResult::NotRead;
  try {
    if (!BackedUp(path_)) {
      RewriteResult backup = KeepBackup(path_, original_, component_);
      if (backup != RewriteResult::Done) return backup;
    }
    RewriteResult result = Replace(path_, text, component_);
    if (result != RewriteResult::Done) return result;
    MarkBackedUp(path_);
    original_ = text;
    return result;
  } catch (const std::bad_alloc&) {
    LogFailure(component_, "replacing %s failed: out of memory\n", path_.c_str());
    return RewriteResult::NotReplaced;
  }
}

}  // namespace zelva::module
