// Entry procedure of ZELVA Hangardesk.
#include <windows.h>

#include "HostStartup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  return zelva::host::RunHost(instance, commandLine);
}
