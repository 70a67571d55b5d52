// A small product module for the host's tests; its behaviour is chosen when
// it is compiled (TEST_MODULE_NAME, TEST_MODULE_INSTALLED, TEST_MODULE_LOAD_RESULT,
// TEST_MODULE_OMIT_EXECUTE, TEST_MODULE_DIVIDE, TEST_MODULE_CLAIM_FILTER,
// TEST_MODULE_DOCUMENT, TEST_MODULE_PACKAGES with TEST_MODULE_PACKAGE_AIRCRAFT,
// TEST_MODULE_REPORT_ASSOCIATION, TEST_MODULE_DOWNLOADS). Every call is logged
// through the host.
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

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

#ifdef TEST_MODULE_DOWNLOADS
// Downloads listed in "downloads.txt" of the program folder, one a line:
// title|url|destination|options, options among "updater" and "then=N" (the
// completion callback submits line N, counted from 0, from its own thread).
struct ListedDownload {
  std::string title, url, destination, options;
};
std::vector<ListedDownload> g_downloads;
DWORD g_uiThread = 0;

DownloadObjectView* ViewOf(DownloadRequest* request) {
  return reinterpret_cast<DownloadObjectView*>(reinterpret_cast<char*>(request) -
                                               offsetof(DownloadObjectView, data.request));
}

void SubmitListed(size_t index);

void __cdecl OnDownloadDone(DownloadRequest* request, int32_t state) {
  WIN32_FILE_ATTRIBUTE_DATA facts = {};
  bool present = GetFileAttributesExA(request->destination, GetFileExInfoStandard, &facts) != 0;
  DownloadObjectView* view = ViewOf(request);
  g_host->log("\n%s - test download %s state %d %s size %lu thread %s view %d\n", TEST_MODULE_NAME, request->title,
              state, present ? "present" : "missing", static_cast<unsigned long>(facts.nFileSizeLow),
              GetCurrentThreadId() == g_uiThread ? "ui" : "worker", int(view->data.state));
  // A window-touching host command from the worker: at close it reaches a UI
  // thread that is waiting for this very thread.
  g_host->hostCommand(kHostSetNotificationCount, nullptr, nullptr);
  const ListedDownload& listed = g_downloads[size_t(request->userValue)];
  size_t then = listed.options.find("then=");
  if (then != std::string::npos) SubmitListed(size_t(std::stoul(listed.options.substr(then + 5))));
}

void SubmitListed(size_t index) {
  if (index >= g_downloads.size()) return;
  const ListedDownload& listed = g_downloads[index];
  DownloadRequest request;
  std::memset(&request, 0, sizeof(request));
  std::snprintf(request.title, sizeof(request.title), "%s", listed.title.c_str());
  std::snprintf(request.url, sizeof(request.url), "%s", listed.url.c_str());
  std::snprintf(request.destination, sizeof(request.destination), "%s", listed.destination.c_str());
  request.start = 1;
  request.completion = &OnDownloadDone;
  request.userValue = INT_PTR(index);
  if (listed.options.find("updater") != std::string::npos) request.flags = kDownloadProductUpdater;
  auto* view = reinterpret_cast<DownloadObjectView*>(g_host->hostCommand(kHostSubmitDownload,
                                                                        reinterpret_cast<const char*>(&request), nullptr));
  if (view == nullptr) {
    g_host->log("\n%s - test submit refused %s\n", TEST_MODULE_NAME, listed.title.c_str());
    return;
  }
  g_host->log("\n%s - test submitted %s state %d status [%s]\n", TEST_MODULE_NAME, view->data.request.title,
              int(view->data.state), view->data.status);
}

void SubmitDownloads() {
  g_uiThread = GetCurrentThreadId();
  std::ifstream list(std::string(g_host->programFolder) + "downloads.txt");
  for (std::string line; std::getline(list, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ListedDownload entry;
    size_t a = line.find('|'), b = line.find('|', a + 1), c = line.find('|', b + 1);
    if (a == std::string::npos || b == std::string::npos) continue;
    entry.title = line.substr(0, a);
    entry.url = line.substr(a + 1, b - a - 1);
    entry.destination = line.substr(b + 1, c == std::string::npos ? std::string::npos : c - b - 1);
    if (c != std::string::npos) entry.options = line.substr(c + 1);
    g_downloads.push_back(entry);
  }
  // Lines that another one's callback submits wait for it.
  std::vector<bool> later(g_downloads.size());
  for (const ListedDownload& listed : g_downloads) {
    size_t then = listed.options.find("then=");
    if (then != std::string::npos) later.at(std::stoul(listed.options.substr(then + 5))) = true;
  }
  for (size_t i = 0; i < g_downloads.size(); ++i)
    if (!later[i]) SubmitListed(i);
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
#ifdef TEST_MODULE_DOWNLOADS
  SubmitDownloads();
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
