#include "HostStartup.h"

#include <commctrl.h>
#include <ole2.h>

#include <cmath>
#include <cstring>
#include <string>

#include "CommandQueueService.h"
#include "CrashFilter.h"
#include "HostConfig.h"
#include "HostLog.h"
#include "HostPaths.h"
#include "HostState.h"
#include "MainWindow.h"
#include "SharedDrawing.h"
#include "SingleInstance.h"
#include "SkinComboBox.h"
#include "WorkingDialog.h"

namespace zelva::host {
namespace {

void MeasureScreen(HostContext& context) {
  HDC screen = GetDC(nullptr);
  int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
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

void Initialise(HostContext& context) {
  HostLog("\nInitializing\n");
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_USEREX_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ui::InstallMouseHook();
  ui::CreateWorkMutex();
  skin::RegisterSkinComboBox(context.hostInstance);
  context.isWindowsXp = IsWindowsXp() ? 1 : 0;
}

}  // namespace

int RunHost(HINSTANCE instance, char* commandLine) {
  OleInitialize(nullptr);
  ResetContext(instance);
  HostContext& context = Context();
  context.isAdministrator = IsAdministrator();
  PrepareHostPaths(context);
  StartFreshLog();
  crash::InstallCrashFilter();
  if (!LoadSettings(context)) return 0;  // started again with administrator rights
  MeasureScreen(context);

  HostLog("\nLoading GDI+\n");
  Gdiplus::GdiplusStartupInput startup;
  ULONG_PTR gdiplus = 0;
  Gdiplus::GdiplusStartup(&gdiplus, &startup, nullptr);
  skin::CreateSharedDrawing();
  if (!skin::LoadSharedImages(instance)) {
    MessageBoxA(nullptr, "Error loading background image!", "Error!", MB_OK);
    return 0;
  }
  context.backgroundImage = skin::Drawing().background.get();
  context.fontFamily = skin::Drawing().family;

  HANDLE instanceMutex = nullptr;
  if (!ClaimFirstInstance(instanceMutex)) {
    int code = RunSecondInstance(commandLine);
    if (instanceMutex) CloseHandle(instanceMutex);
    return code;
  }
  QueueOwnCommandLine(commandLine);
  Initialise(context);

  HostLog("\nDisplaying Hangardesk\n");
  ui::RunMainWindow(instance);

  HostLog("\n\n\nCleaning Up\n");
  skin::DestroySharedDrawing();
  context.backgroundImage = nullptr;
  context.fontFamily = nullptr;
  Gdiplus::GdiplusShutdown(gdiplus);
  ui::RemoveMouseHook();
  skin::UnregisterSkinComboBox(instance);
  OleUninitialize();
  if (instanceMutex) CloseHandle(instanceMutex);
  HostLog("\n\nGoodbye!\n");
  return 0;
}

}  // namespace zelva::host
