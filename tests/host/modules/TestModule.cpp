// A small product module for the host's tests; its behaviour is chosen when
// it is compiled (TEST_MODULE_NAME, TEST_MODULE_INSTALLED, TEST_MODULE_LOAD_RESULT,
// TEST_MODULE_OMIT_EXECUTE, TEST_MODULE_DIVIDE, TEST_MODULE_CLAIM_FILTER,
// TEST_MODULE_DOCUMENT, TEST_MODULE_PACKAGES with TEST_MODULE_PACKAGE_AIRCRAFT,
// TEST_MODULE_REPORT_ASSOCIATION).
// Every call is logged through the host.
#include <cstring>
#include <string>
#include <thread>

#include "Handles.h"
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
#ifdef TEST_MODULE_REPORT_ASSOCIATION
  g_host->log("\n%s - test association %d\n", TEST_MODULE_NAME, int(g_host->fileAssociation));
#endif
#ifdef TEST_MODULE_NOTIFY
  PostNotice();
#endif
  std::memset(&g_info, 0, sizeof(g_info));
  std::strcpy(g_info.displayName, TEST_MODULE_NAME " - FSX");
  std::strcpy(g_info.shortName, TEST_MODULE_NAME);
#ifndef TEST_MODULE_PACKAGE_AIRCRAFT
#define TEST_MODULE_PACKAGE_AIRCRAFT TEST_MODULE_NAME
#endif
  std::strcpy(g_info.packageAircraftName, TEST_MODULE_PACKAGE_AIRCRAFT);
  g_info.installed = TEST_MODULE_INSTALLED;
  return TEST_MODULE_LOAD_RESULT;
}

__declspec(dllexport) void __cdecl ZELVA_GetProductInfo(ProductInfo* info) { *info = g_info; }

// Keeps the host busy with its working dialog, as package work does, until
// the test lets it go (or a minute has passed).
void BusyWithWorkingDialog() {
  std::thread([] {
    Sleep(300);
    g_host->setWorkingDialogLayout(2);
    g_host->setWorkingDialogText(1, "Busy line");
    win::KernelHandle release(CreateEventA(nullptr, TRUE, FALSE, "ZELVA test busy release"));
    g_host->log("\n%s - test working open %d\n", TEST_MODULE_NAME, int(g_host->hostCommand(kHostIsWorkingDialogOpen, nullptr, nullptr)));
    if (release) WaitForSingleObject(release.get(), 60000);
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
  std::wstring request = std::wstring(path.begin(), path.end()) + L'\0' + L"Test Floating" + L'\0';
  int floating = 1;
  g_host->hostCommand(kHostShowDocument, reinterpret_cast<const char*>(request.c_str()), &floating);
}
#endif

#ifdef TEST_MODULE_PACKAGES
// The install button of a product page: the host's file dialog, check on.
void OpenPackageWithCheck() {
  OpenPackageRequest request = {1, TEST_MODULE_NAME, "Test 100"};
  g_host->openPackage(&request);
  g_host->log("\n%s - test open package returned\n", TEST_MODULE_NAME);
}

// Logs what the host hands over and answers as a product module would; the
// variant name chooses a failure.
INT_PTR InstallPackage(const char* path, const PackageSummary* summary) {
  DWORD attributes = GetFileAttributesA(path);
  g_host->log("\n%s - test install [%s] type [%s] version %d aircraft [%s] variant [%s] %s\n", TEST_MODULE_NAME,
              path, summary->type, summary->fileVersion, summary->aircraft, summary->variant,
              attributes == INVALID_FILE_ATTRIBUTES ? "missing" : "present");
  if (lstrcmpiA(summary->type, "Single Livery") != 0 && lstrcmpiA(summary->type, "Aircraft INI") != 0)
    return kResultUnknown;
  if (std::strcmp(summary->variant, "Broken Variant") == 0) {
    std::strcpy(g_host->errorText, "The texture folder could not be written.");
    return kResultFailed;
  }
  // A module that has shown its own message leaves the text empty.
  if (std::strcmp(summary->variant, "Quiet Variant") == 0) return kResultFailed;
  return kResultDone;
}

INT_PTR VariantInstalled(const char* variant) {
  return lstrcmpiA(variant, "Test 100") == 0 || lstrcmpiA(variant, "Test 200") == 0;
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
#ifdef TEST_MODULE_PACKAGES
  OpenPackageWithCheck();
#endif
  return 1;
}

__declspec(dllexport) void __cdecl ZELVA_HideProductWindow(void) { g_host->log("\n%s - test hide\n", TEST_MODULE_NAME); }

__declspec(dllexport) int32_t __cdecl ZELVA_OnMenuChange(int32_t page) {
  g_host->log("\n%s - test menu %d\n", TEST_MODULE_NAME, page);
  return 0;
}

#ifndef TEST_MODULE_OMIT_EXECUTE
__declspec(dllexport) INT_PTR __cdecl ExecuteCommand(int32_t command, INT_PTR first, INT_PTR second) {
#ifdef TEST_MODULE_PACKAGES
  if (command == kModuleInstallPackage)
    return InstallPackage(reinterpret_cast<const char*>(first), reinterpret_cast<const PackageSummary*>(second));
  if (command == kModuleVariantInstalled) return VariantInstalled(reinterpret_cast<const char*>(first));
#else
  (void)first;
  (void)second;
#endif
  g_host->log("\n%s - test command %d\n", TEST_MODULE_NAME, command);
  return command == 2 ? 0 : kResultUnknown;
}
#endif

__declspec(dllexport) void __cdecl ZELVA_UnloadProductModule(void) { g_host->log("\n%s - test unload\n", TEST_MODULE_NAME); }

}
