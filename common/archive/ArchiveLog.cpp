#include "ArchiveLog.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace zelva::archive {
namespace {
std::atomic<LogFunction> g_log{nullptr};
}

void SetLogFunction(LogFunction log) { g_log.store(log); }

void Log(const char* format, ...) {
  LogFunction log = g_log.load();
  if (log == nullptr) return;
  char line[1024];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof(line), format, arguments);
  va_end(arguments);
  log("%s", line);
}

}  // namespace zelva::archive
