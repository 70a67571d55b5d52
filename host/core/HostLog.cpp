#include "HostLog.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "HostState.h"
#include "LineStamps.h"

namespace zelva::host {
namespace {

constexpr size_t kFormatBuffer = 5000;

std::string StampNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return text::FormatLineStamp(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}

// Formats with the system runtime's printf, whose conventions (%I64d, %ls) the
// modules' formats follow. A message longer than the usual buffer is kept whole.
std::string FormatMessageText(const char* format, va_list arguments) {
  char buffer[kFormatBuffer];
  va_list copy;
  va_copy(copy, arguments);
  int needed = _vscprintf(format, copy);
  va_end(copy);
  if (needed < 0) return std::string();
  if (size_t(needed) < kFormatBuffer) {
    _vsnprintf(buffer, kFormatBuffer, format, arguments);
    buffer[kFormatBuffer - 1] = '\0';
    return buffer;
  }
  std::vector<char> large(size_t(needed) + 1);
  _vsnprintf(large.data(), large.size(), format, arguments);
  large.back() = '\0';
  return large.data();
}

}  // namespace

extern "C" void __cdecl HostLog(const char* format, ...) {
  if (format == nullptr) return;
  const char* path = Context().logPath;
  if (path[0] == '\0') return;

  va_list arguments;
  va_start(arguments, format);
  std::string message;
  try {
    // One reading of the clock per call: a module may hand over a block of
    // many thousand lines, and they are all written at this instant anyway.
    const std::string stamp = StampNow();
    message = text::InsertLineStamps(FormatMessageText(format, arguments), [&stamp] { return stamp; });
  } catch (...) {
    // Out of memory while logging: the message is dropped, the caller goes on.
  }
  va_end(arguments);

  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path, "a"), &std::fclose);
  if (!file) return;
  std::fwrite(message.data(), 1, message.size(), file.get());
}

void StartFreshLog() {
  DeleteFileA(Context().logPath);
  HostLog("===================== ZELVA Hangardesk %s =====================\n\n", Context().versionText);
  HostLog("Starting Hangardesk\n");
}

}  // namespace zelva::host
