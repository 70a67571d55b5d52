#include "HostStartup.h"

#include <commctrl.h>

#include <cmath>
#include <cstring>
#include <string>

#include "CommandQueueService.h"
#include "CrashFilter.h"
#include "Elevation.h"
#include "Gdi.h"
#include "GdiplusSession.h"
#include "Handles.h"
#include "HostConfig.h"
#include "HostLog.h"
#include "HostPaths.h"
#include "HostState.h"
#include "HostUpdateInstall.h"
#include "MainWindow.h"
#include "OleSession.h"
#include "SharedDrawing.h"
#include "SingleInstance.h"
#include "SkinComboBox.h"
#include "WorkingDialog.h"

namespace zelva::host {
namespace {

void MeasureScreen(HostContext& context) {
  int dpiX = 0, dpiY = 0;
  {
    win::WindowDc screen(nullptr);
    dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
    dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
  }
  context.scaleX = dpiX > 0 ? 96.0 / dpiX : 1.0;
  context.scaleY = dpiY > 0 ? 96.0 / dpiY : 1.0;
  if (std::fabs(context.scaleX - 1.0) > 0.02) {
    MessageBoxA(nullptr,
                "Your system is currently set for a nonstandard DPI.  ZELVA Hangardesk does not currently support "
                "high-DPI scaling.\n\nTo set text and other items back to their normal size, see \"Make text and "
                "apps bigger\" in the Windows help at https://support.microsoft.com/windows.",
                "High-DPI Detected", MB_ICONWARNING);
  }
}

bool IsWindowsXp() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return false;
#pragma GCC diagnostic pop
  return version.dwMajorVersion == 5;
}

void QueueOwnCommandLine(char* commandLine) {
  HostLog("\nCommand line: %s\n", commandLine);
  if (commandLine[0] == '\0') return;
  CharLowerBuffA(commandLine, DWORD(std::strlen(commandLine)));
  if (std::strstr(commandLine, ".zlp") == nullptr) return;
  QueueCommand((std::string(commands::kOpenPackagePrefix) + commandLine).c_str());
}

// What the first instance sets up for its windows, taken down in reverse
// order when the main window has ended.
class WindowingScope {
 public:
  explicit WindowingScope(HostContext& context) : instance_(context.hostInstance) {
    HostLog("\nInitializing\n");
    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_USEREX_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ui::InstallMouseHook();
    ui::CreateWorkMutex();
    skin::RegisterSkinComboBox(instance_);
    context.isWindowsXp = IsWindowsXp() ? 1 : 0;
  }
  ~WindowingScope() {
    skin::UnregisterSkinComboBox(instance_);
    ui::CloseWorkMutex();
    ui::RemoveMouseHook();
  }
  WindowingScope(const WindowingScope&) = delete;
  WindowingScope& operator=(const WindowingScope&) = delete;

 private:
  HINSTANCE instance_;
};

// The shared drawing as the modules see it through the context, for as long
// as it exists.
class DrawingInContext {
 public:
  explicit DrawingInContext(HostContext& context) : context_(context) {
    context.backgroundImage = skin::Drawing().background.get();
    context.fontFamily = skin::Drawing().family.get();
  }
  ~DrawingInContext() {
    context_.backgroundImage = nullptr;
    context_.fontFamily = nullptr;
  }
  DrawingInContext(const DrawingInContext&) = delete;
  DrawingInContext& operator=(const DrawingInContext&) = delete;

 private:
  HostContext& context_;
};

void RunFirstInstance(HostContext& context, char* commandLine) {
  QueueOwnCommandLine(commandLine);
  WindowingScope windowing(context);
  HostLog("\nDisplaying Hangardesk\n");
  ui::RunMainWindow(context.hostInstance);
  // The modules are unloaded by now, so the updater may replace them.
  StartPendingUpdater(context);
  HostLog("\n\n\nCleaning Up\n");
}

// Everything from the configuration on; whatever it took is given back in
// reverse order on every way out.
int RunWithSettings(HostContext& context, char* commandLine, bool& ranMainWindow) {
  MeasureScreen(context);

  HostLog("\nLoading GDI+\n");
  win::GdiplusSession gdiplus;
  gdiplus.Start();
  skin::SharedDrawingScope drawing;
  if (!drawing.LoadImages(context.hostInstance)) {
    MessageBoxA(nullptr, "Error loading background image!", "Error!", MB_OK);
    return 0;
  }
  DrawingInContext shared(context);

  win::KernelHandle instanceMutex;
  if (!ClaimFirstInstance(instanceMutex)) return RunSecondInstance(commandLine);
  RunFirstInstance(context, commandLine);
  ranMainWindow = true;
  return 0;
}

}  // namespace

int RunHost(HINSTANCE instance, char* commandLine) {
  win::OleSession ole;
  ResetContext(instance);
  HostContext& context = Context();
  context.isAdministrator = IsAdministrator();
  PrepareHostPaths(context);
  StartFreshLog();
  crash::InstallCrashFilter();
  if (!LoadSettings(context)) return 0;  // started again with administrator rights
  bool ranMainWindow = false;
  int code = RunWithSettings(context, commandLine, ranMainWindow);
  if (ranMainWindow) HostLog("\n\nGoodbye!\n");
  return code;
}

}  // namespace zelva::host
