// The host log: one file per run, shared by the host and every module.
#pragma once

namespace zelva::host {

// printf-style; every line feed written is followed by the time of day.
// The file is opened and closed per call, so each message is on disk on return.
extern "C" void __cdecl HostLog(const char* format, ...);

// Deletes the previous run's log and writes the banner.
void StartFreshLog();

}  // namespace zelva::host
