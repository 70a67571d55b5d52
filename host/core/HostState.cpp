#include "HostState.h"

#include <cstring>

#include "ArchiveLog.h"
#include "HostCommands.h"
#include "HostLog.h"

namespace zelva::host {
namespace {
HostContext g_context;
}

HostContext& Context() { return g_context; }

void ResetContext(HINSTANCE instance) {
  std::memset(&g_context, 0, sizeof(g_context));
  g_context.hostInstance = instance;
  g_context.versionText = kHostVersion;
  g_context.log = &HostLog;
  g_context.hostCommand = &HostCommand;
  Cabinet::SetLogFunction(&HostLog);
}

}  // namespace zelva::host
