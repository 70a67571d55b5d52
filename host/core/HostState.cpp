#include "HostState.h"

#include <cstring>

#include "CrashFilter.h"
#include "ArchiveLog.h"
#include "HostCommands.h"
#include "HostLog.h"
#include "PackageProcessor.h"
#include "UiThreadCalls.h"
#include "WorkingDialog.h"

namespace zelva::host {
namespace {
HostContext g_context;
}

HostContext& Context() { return g_context; }

void ResetContext(HINSTANCE instance) {
  std::memset(&g_context, 0, sizeof(g_context));
  g_context.hostInstance = instance;
  g_context.versionText = kHostVersion;
  g_context.closeWorkingDialog = &ui::CloseWorkingDialog;
  g_context.runWorkingDialog = &ui::RunWorkingDialog;
  g_context.setWorkingDialogText = &ui::SetWorkingDialogText;
  g_context.setWorkingDialogLayout = &ui::SetWorkingDialogLayout;
  g_context.openPackage = &ChooseAndOpenPackage;
  g_context.log = &HostLog;
  g_context.crashFilter = &crash::CrashFilterService;
  g_context.hostCommand = &HostCommand;
  archive::SetLogFunction(&HostLog);
  RememberUiThread();
}

}  // namespace zelva::host
