#include "DownloaderStatus.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "Handles.h"

namespace zelva::module {
namespace {

constexpr size_t kStatusChars = 500;
// A holder stuck in a page redraw must not freeze the processing thread for good.
constexpr DWORD kLockWait = 2000;

struct Status {
  win::KernelHandle mutex{CreateMutexA(nullptr, FALSE, "ZELVA Hangardesk Livery Downloader")};
  char text[kStatusChars] = {};
};

Status& TheStatus() {
  static Status status;
  return status;
}

class Held {
 public:
  explicit Held(HANDLE mutex) : mutex_(mutex) {
    DWORD result = mutex_ != nullptr ? WaitForSingleObject(mutex_, kLockWait) : WAIT_FAILED;
    held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  }
  ~Held() {
    if (held_) ReleaseMutex(mutex_);
  }
  bool held() const { return held_; }

 private:
  HANDLE mutex_;
  bool held_ = false;
};

}  // namespace

void SetDownloaderStatus(const char* format, ...) {
  char line[kStatusChars];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof(line), format, arguments);
  va_end(arguments);
  Status& status = TheStatus();
  Held held(status.mutex.get());
  if (held.held()) std::snprintf(status.text, sizeof(status.text), "%s", line);
}

void ClearDownloaderStatus() { SetDownloaderStatus("%s", ""); }

std::string DownloaderStatus() {
  Status& status = TheStatus();
  Held held(status.mutex.get());
  return held.held() ? std::string(status.text) : std::string();
}

}  // namespace zelva::module
