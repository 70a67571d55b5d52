// Entry procedure of ZELVA Hangardesk.
#include <windows.h>
#include <ole2.h>

#include "HostConfig.h"
#include "HostLog.h"
#include "HostPaths.h"
#include "HostState.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace zelva;
  using namespace zelva::host;
  OleInitialize(nullptr);
  ResetContext(instance);
  HostContext& context = Context();
  PrepareHostPaths(context);
  StartFreshLog();
  LoadSettings(context);
  OleUninitialize();
  return 0;
}
