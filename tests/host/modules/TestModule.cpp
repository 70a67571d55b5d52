// A small product module for the host's tests; its behaviour is chosen when
// it is compiled (TEST_MODULE_NAME, TEST_MODULE_INSTALLED, TEST_MODULE_LOAD_RESULT,
// TEST_MODULE_OMIT_EXECUTE, TEST_MODULE_DIVIDE, TEST_MODULE_CLAIM_FILTER,
// TEST_MODULE_DOCUMENT). Every call is logged through the host.
#include <cstring>
#include <string>
#include <thread>

#include "ZelvaContract.h"

using namespace zelva;

namespace {
HostContext* g_host = nullptr;
ProductInfo g_info;
}  // namespace

#ifdef TEST_MODULE_NOTIFY
// An update notice as the product updates post them.
int32_t __cdecl OnNoticeButton(PanelRecord* record, int32_t button) {
  g_host->log("\n%s - test notice button %d %s\n", TEST_MODULE_NAME, button, record->buttonText[button]);
  return 1;
}

void PostNotice() {
  static PanelRecord notice;
  std::memset(&notice, 0, sizeof(notice));
  notice.kind = kPanelNotification;
  std::strcpy(notice.title, "ZELVA K50X 1.4.3 is available");
  std::strcpy(notice.shortText, "An update for the ZELVA K50 - FSX is ready to download.");
  std::strcpy(notice.longText, "Version 1.4.3 refines the flight model at high altitude and adds two liveries.");
  std::strcpy(notice.buttonText[0], "Update Now");
  std::strcpy(notice.buttonText[1], "View Changelog");
  std::strcpy(notice.buttonText[2], "Later");
  notice.buttonHandler = &OnNoticeButton;
  g_host->hostCommand(kHostAddPanel, reinterpret_cast<const char*>(&notice), nullptr);
}
#endif

extern "C" {

__declspec(dllexport) int32_t __cdecl ZELVA_LoadProductModule(HostContext* context) {
  g_host = context;
  g_host->log("\n%s - test load\n", TEST_MODULE_NAME);
#ifdef TEST_MODULE_NOTIFY
  PostNotice();
#endif
  std::memset(&g_info, 0, sizeof(g_info));
  std::strcpy(g_info.displayName, TEST_MODULE_NAME " - FSX");
  std::strcpy(g_info.shortName, TEST_MODULE_NAME);
  g_info.installed = TEST_MODULE_INSTALLED;
  return TEST_MODULE_LOAD_RESULT;
}

__declspec(dllexport) void __cdecl ZELVA_GetProductInfo(ProductInfo* info) { *info = g_info; }

// Keeps the host busy with its working dialog for a while, as package work does.
void BusyWithWorkingDialog() {
  g_host->log("\n%s - test busy start\n", TEST_MODULE_NAME);
  std::thread([] {
    Sleep(300);
    g_host->setWorkingDialogLayout(2);
    g_host->setWorkingDialogText(1, "Busy line");
    g_host->log("\n%s - test working open %d\n", TEST_MODULE_NAME, int(g_host->hostCommand(kHostIsWorkingDialogOpen, nullptr, nullptr)));
    Sleep(3000);
    g_host->log("\n%s - test busy closing\n", TEST_MODULE_NAME);
    g_host->closeWorkingDialog();
  }).detach();
  g_host->runWorkingDialog();
  g_host->log("\n%s - test busy done %d\n", TEST_MODULE_NAME, int(g_host->hostCommand(kHostIsWorkingDialogOpen, nullptr, nullptr)));
}

#if defined(TEST_MODULE_DIVIDE) || defined(TEST_MODULE_CLAIM_FILTER)
volatile int g_zero = 0;

// A fault in the module's own code that nothing handles.
__attribute__((noinline)) int DivideByZero(int dividend) {
  g_host->log("\n%s - test dividing\n", TEST_MODULE_NAME);
  return dividend / g_zero;
}
#endif

#ifdef TEST_MODULE_CLAIM_FILTER
LONG WINAPI ModuleFilter(EXCEPTION_POINTERS*) {
  g_host->log("\n%s - test module filter ran\n", TEST_MODULE_NAME);
  ExitProcess(7);
}

// A library that wants the process's crashes for itself.
void ClaimCrashFilter() {
  LPTOP_LEVEL_EXCEPTION_FILTER first = SetUnhandledExceptionFilter(&ModuleFilter);
  LPTOP_LEVEL_EXCEPTION_FILTER second = SetUnhandledExceptionFilter(&ModuleFilter);
  g_host->log("\n%s - test filter answers %s %s\n", TEST_MODULE_NAME, first ? "set" : "null",
              second ? "set" : "null");
}
#endif

#ifdef TEST_MODULE_DOCUMENT
// The product changelog in the floating document window.
void ShowFloatingDocument() {
  std::string path = std::string(g_host->programFolder) + "Changelog.txt";
  std::wstring request(path.begin(), path.end());
  request += L'\0';
  request += L"Test Floating";
  request += L'\0';
  int floating = 1;
  g_host->hostCommand(kHostShowDocument, reinterpret_cast<const char*>(request.c_str()), &floating);
}
#endif

__declspec(dllexport) int32_t __cdecl ZELVA_ShowProductWindow(HWND parent) {
  g_host->log("\n%s - test show %d\n", TEST_MODULE_NAME, parent != nullptr);
#ifndef TEST_MODULE_NOTIFY
  g_host->hostCommand(kHostSetNotificationCount, reinterpret_cast<const char*>(INT_PTR(2)), nullptr);
#endif
#ifdef TEST_MODULE_BUSY
  BusyWithWorkingDialog();
#endif
#ifdef TEST_MODULE_CLAIM_FILTER
  ClaimCrashFilter();
#endif
#if defined(TEST_MODULE_DIVIDE) || defined(TEST_MODULE_CLAIM_FILTER)
  g_host->log("\n%s - test result %d\n", TEST_MODULE_NAME, DivideByZero(int(reinterpret_cast<INT_PTR>(parent))));
#endif
#ifdef TEST_MODULE_DOCUMENT
  ShowFloatingDocument();
#endif
  return 1;
}

__declspec(dllexport) void __cdecl ZELVA_HideProductWindow(void) { g_host->log("\n%s - test hide\n", TEST_MODULE_NAME); }

__declspec(dllexport) int32_t __cdecl ZELVA_OnMenuChange(int32_t page) {
  g_host->log("\n%s - test menu %d\n", TEST_MODULE_NAME, page);
  return 0;
}

#ifndef TEST_MODULE_OMIT_EXECUTE
__declspec(dllexport) INT_PTR __cdecl ExecuteCommand(int32_t command, INT_PTR, INT_PTR) {
  g_host->log("\n%s - test command %d\n", TEST_MODULE_NAME, command);
  return command == 2 ? 0 : kResultUnknown;
}
#endif

__declspec(dllexport) void __cdecl ZELVA_UnloadProductModule(void) { g_host->log("\n%s - test unload\n", TEST_MODULE_NAME); }

}
