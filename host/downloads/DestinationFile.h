// How a finished download reaches its destination: never as a half-written
// file under the destination's name.
#pragma once

#include <windows.h>

namespace zelva::downloads {

// Moves (or, across volumes, copies) the file to destination + ".part", then
// replaces the destination with it in one step. On failure nothing new is
// left at the destination and error holds the system's reason.
bool DeliverFile(const char* from, const char* destination, DWORD& error);

}  // namespace zelva::downloads
