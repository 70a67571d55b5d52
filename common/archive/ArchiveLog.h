// Where the archive component writes its log lines: the host's log, or the
// module's log service, set once by the deliverable that carries it.
#pragma once

namespace zelva::archive {

typedef void(__cdecl* LogFunction)(const char* format, ...);

void SetLogFunction(LogFunction log);
void Log(const char* format, ...);

}  // namespace zelva::archive
