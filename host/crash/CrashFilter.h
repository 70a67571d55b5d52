// The host's crash reporter: an exception that nothing handles, anywhere in
// the process, ends in a report in the log and in the crash dialog.
#pragma once

#include <windows.h>

namespace zelva::crash {

// The filter as the system calls it; it ends the process.
LONG WINAPI HostCrashFilter(EXCEPTION_POINTERS* exception);

// The same, as the host service modules call.
extern "C" LONG __cdecl CrashFilterService(EXCEPTION_POINTERS* exception);

// Sets the filter, then keeps any later caller from replacing it.
void InstallCrashFilter();

}  // namespace zelva::crash
