#include "CrashFilter.h"

#include <atomic>

#include "CrashDialog.h"
#include "CrashText.h"
#include "FilterGuard.h"
#include "HostLog.h"
#include "HostState.h"
#include "StackWalk.h"

namespace zelva::crash {
namespace {

constexpr size_t kReportChars = 70000;
constexpr size_t kStackChars = 4096;
constexpr DWORD kStackOverflow = 0xC00000FD;

// Static: the crash may have left no heap or stack to spare.
char g_stack[kStackChars];
char g_logText[kStackChars + 256];
char g_report[kReportChars];
std::atomic<DWORD> g_reportingThread{0};

// Ends the process at once: a crashed process may not survive the unloading
// of its libraries, and the exit code must be 0.
[[noreturn]] void EndProcess() {
  TerminateProcess(GetCurrentProcess(), 0);
  ExitProcess(0);
}

void Report(EXCEPTION_POINTERS* exception) {
  const EXCEPTION_RECORD* record = exception ? exception->ExceptionRecord : nullptr;
  TextBuilder stack(g_stack, sizeof(g_stack));
  if (exception != nullptr && exception->ContextRecord != nullptr) AppendStackText(*exception->ContextRecord, stack);

  uint32_t code = record ? uint32_t(record->ExceptionCode) : 0;
  uint64_t address = record ? uint64_t(reinterpret_cast<uintptr_t>(record->ExceptionAddress)) : 0;
  const HostContext& context = host::Context();
  const char* name = ExceptionName(code);
  SYSTEMTIME now;
  GetLocalTime(&now);
  char date[kClockChars], time[kClockChars];
  FormatCrashDate(now.wYear, now.wMonth, now.wDay, date);
  FormatCrashTime(now.wHour, now.wMinute, now.wSecond, time);

  TextBuilder log(g_logText, sizeof(g_logText));
  FormatLogReport(log, name, address, stack.text());
  host::HostLog("%s", log.text());

  TextBuilder report(g_report, sizeof(g_report));
  FormatDialogReport(report, context.logPath, date, time, name, address, stack.text());
  HINSTANCE instance = context.hostInstance ? context.hostInstance : GetModuleHandleA(nullptr);
  ShowCrashDialog(instance, context.mainWindow, report.text());
}

DWORD WINAPI ReportOnFreshStack(void* exception) {
  Report(static_cast<EXCEPTION_POINTERS*>(exception));
  return 0;
}

[[noreturn]] void ReportAndEnd(EXCEPTION_POINTERS* exception) {
  DWORD expected = 0, self = GetCurrentThreadId();
  if (!g_reportingThread.compare_exchange_strong(expected, self)) {
    if (expected == self) EndProcess();  // the report itself failed
    for (;;) Sleep(INFINITE);            // another thread's report ends the process
  }
  bool overflow = exception && exception->ExceptionRecord &&
                  exception->ExceptionRecord->ExceptionCode == kStackOverflow;
  HANDLE thread = overflow ? CreateThread(nullptr, 0, &ReportOnFreshStack, exception, 0, nullptr) : nullptr;
  if (thread != nullptr) {
    WaitForSingleObject(thread, INFINITE);
  } else {
    Report(exception);
  }
  EndProcess();
}

}  // namespace

LONG WINAPI HostCrashFilter(EXCEPTION_POINTERS* exception) { ReportAndEnd(exception); }

extern "C" LONG __cdecl CrashFilterService(EXCEPTION_POINTERS* exception) { ReportAndEnd(exception); }

void InstallCrashFilter() {
  SetUnhandledExceptionFilter(&HostCrashFilter);
  GuardExceptionFilter();
}

}  // namespace zelva::crash
