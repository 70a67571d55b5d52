// One running host at a time: a second start hands its command line to the
// first and ends.
#pragma once

#include <windows.h>

#include "Handles.h"

namespace zelva::host {

// Creates the instance mutex; true when this is the first instance (also
// when the mutex could not be made).
bool ClaimFirstInstance(win::KernelHandle& mutex);

// The second instance's part; returns the process exit code.
int RunSecondInstance(const char* commandLine);

// The text 5 characters after "-MD5:", or an empty text when there is none.
const char* ExpectedUpdaterChecksum(const char* commandLine);

}  // namespace zelva::host
