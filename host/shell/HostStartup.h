// The host program from start to exit.
#pragma once

#include <windows.h>

namespace zelva::host {

// Runs the whole program; commandLine is everything after the program name
// (lower-cased in place by the first instance). Returns the exit code.
int RunHost(HINSTANCE instance, char* commandLine);

}  // namespace zelva::host
