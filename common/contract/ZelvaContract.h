// The binary interface between the host program, the product modules and the
// settings module. Every record here crosses between separately built
// libraries: the 32-bit build pins each offset and size below; the 64-bit build
// keeps the same field order with natural pointer sizes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace zelva {

// Text field sizes (NUL-terminated single-byte strings in the system code page).
constexpr size_t kPathChars = 450;
constexpr size_t kUrlChars = 300;
constexpr size_t kNameChars = 50;
constexpr size_t kVersionChars = 30;
constexpr size_t kErrorChars = 500;

constexpr int kMaxProducts = 20;
constexpr int kMaxVariants = 15;
constexpr int kMaxExpansions = 5;

// Simulator numbers used by HostContext and ProductInfo.
enum SimulatorNumber : uint8_t {
  kSimulatorNone = 0,
  kSimulatorFsx = 1,
  kSimulatorFsxSe = 2,
  kSimulatorP3d = 3,    // Prepar3D v2 and v3
  kSimulatorP3dV4 = 4,
};

// Results of package and livery operations, and of unknown commands.
enum ResultCode : int32_t {
  kResultDone = 0,
  kResultDeclined = -1,   // declined, or nothing to do
  kResultFailed = -2,     // message left in HostContext::errorText
  kResultCancelled = -3,
  kResultUnknown = -4,    // unknown command or package type
};

// Codes of the host-command service.
enum HostCommandCode : int32_t {
  kHostProcessPackage = 1,
  kHostAddPanel = 4,
  kHostRemovePanel = 5,
  kHostShowDocument = 15,
  kHostCloseDocument = 16,
  kHostSetNotificationCount = 17,
  kHostSaveSettings = 18,
  kHostQueueHold = 19,
  kHostFindImage = 20,
  kHostSubmitDownload = 21,
  kHostCreateHoverButton = 22,
  kHostMoveWindow = 23,
  kHostCheckHostUpdate = 24,
  kHostStartHostUpdate = 25,
  kHostShowChangelog = 26,
  kHostFileDigest = 27,
  kHostIsWorkingDialogOpen = 28,
};

// Codes of a module's ExecuteCommand. 4 to 7 are answered by the settings module.
enum ModuleCommandCode : int32_t {
  kModuleInstallPackage = 1,
  kModuleResize = 2,
  kSettingsAddPanel = 4,
  kSettingsRemovePanel = 5,
  kSettingsHomePressed = 6,
  kSettingsHomeClosesPopup = 7,
  kModuleExpansionInstalled = 8,
  kModuleVariantInstalled = 9,
  kModuleLiveryInstalled = 10,
  kModuleSetHeaderImage = 11,
  kModuleSetLinkButton = 12,
  kModuleShowLiveryManager = 13,
  kModuleEvaluateVersions = 14,
};

enum DownloadState : uint8_t {
  kDownloadNew = 0,
  kDownloadQueued = 1,
  kDownloadRunning = 2,
  kDownloadComplete = 3,
  kDownloadFailed = 4,
  kDownloadAborted = 5,
  kDownloadFallback = 6,
};

struct ProductInfo;
struct DownloadRequest;
struct PanelRecord;

// Record passed to the choose-and-open-package service.
struct OpenPackageRequest {
  int32_t checkProduct;        // non-zero: refuse packages of another product
  const char* productShortName;
  const char* variantName;
};

// Host services. All use the C calling convention; a value that may carry a
// pointer is pointer-sized.
extern "C" {
typedef void(__cdecl* CloseWorkingDialogService)(void);
typedef void(__cdecl* RunWorkingDialogService)(void);
typedef void(__cdecl* SetWorkingDialogTextService)(int32_t line, const char* text);
typedef void(__cdecl* SetWorkingDialogLayoutService)(int32_t mode);
typedef int32_t(__cdecl* OpenPackageService)(const OpenPackageRequest* request);
typedef void(__cdecl* LogService)(const char* format, ...);
typedef LONG(__cdecl* CrashFilterService)(EXCEPTION_POINTERS* exception);
typedef INT_PTR(__cdecl* HostCommandService)(int32_t code, const char* text, void* object);
}

// The host's one record of shared state, handed to every module.
struct HostContext {
  char programFolder[kPathChars];      // lower-case, trailing backslash
  char dataFolder[kPathChars];
  char configPath[kPathChars];
  char logPath[kPathChars];
  char fsxRoot[kPathChars];            // empty when absent
  char fsxSeRoot[kPathChars];
  char p3dRoot[kPathChars];
  char p3dV4Root[kPathChars];
  char fsxRegistryFolder[kPathChars];  // as read, kept when co-existence clears the root
  char fsxSeRegistryFolder[kPathChars];
  char p3dRegistryFolder[kPathChars];
  char p3dV4RegistryFolder[kPathChars];
  int32_t zero;
  uint8_t currentSimulator;            // set by the active module
  uint8_t reserved0[3];
  double scaleX;                       // 96 / logical dpi
  double scaleY;
  int32_t isAdministrator;
  const char* versionText;
  char errorText[kErrorChars];         // message of a -2 package result
  HWND menuTree;
  void* backgroundImage;               // GDI+ image of the main background
  HWND mainWindow;
  HINSTANCE hostInstance;
  int32_t moduleCount;
  ProductInfo* products[kMaxProducts];
  int32_t isWindowsXp;
  int32_t openPdfExternally;
  int32_t fileAssociation;
  char productUpdateServer[kUrlChars];
  char hostUpdateServer[kUrlChars];
  char liveriesServer[kUrlChars];
  char liveryArchive[kUrlChars];
  int32_t checkForUpdates;
  void* fontFamily;                    // GDI+ font family
  CloseWorkingDialogService closeWorkingDialog;
  RunWorkingDialogService runWorkingDialog;
  SetWorkingDialogTextService setWorkingDialogText;
  SetWorkingDialogLayoutService setWorkingDialogLayout;
  OpenPackageService openPackage;
  LogService log;
  CrashFilterService crashFilter;
  HostCommandService hostCommand;
};

struct VariantEntry {
  const char* name;
  const char* folderName;   // below "SimObjects\Airplanes\"
  uint8_t reserved;
  uint8_t offered;
  uint8_t padding[2];
  int32_t installed;
};

struct ExpansionEntry {
  const char* fullName;
  const char* shortName;
  const char* uninstallGuid;
  char version[kVersionChars];
  uint8_t reserved;
  uint8_t offered;
  uint8_t padding[4];
  int32_t installed;
};

// Product description a module copies to the host.
struct ProductInfo {
  char displayName[kNameChars];
  char shortName[kNameChars];
  char folderName[kNameChars];
  char packageAircraftName[kNameChars];
  uint8_t productCode[2];
  uint8_t simulator;
  uint8_t padding0;
  int32_t installed;
  int32_t registered;
  char version[kVersionChars];
  uint8_t variantCount;
  uint8_t padding1;
  VariantEntry variants[kMaxVariants];
  uint8_t expansionCount;
  uint8_t padding2[3];
  ExpansionEntry expansions[kMaxExpansions];
};

// Package facts handed with module command 1. Type comes first, so the
// record's address is also the package-type text.
struct PackageSummary {
  char type[kNameChars];
  uint8_t padding[2];
  int32_t fileVersion;
  char aircraft[kNameChars];
  char variant[kNameChars];
};

enum PanelKind : uint8_t {
  kPanelNotification = 1,
  kPanelWindow = 2,
};
constexpr uint8_t kPanelTypeDownload = 2;
constexpr uint8_t kPanelMarkUpdate = 0;
constexpr uint8_t kPanelMarkLiveryQuestion = 255;

extern "C" typedef int32_t(__cdecl* PanelButtonHandler)(PanelRecord* record, int32_t button);

// A notification with up to three buttons, or a panel with its own window
// procedure, for the settings module. Zero-filled by its producer.
//
// The settings module works on its own copy of the record, so a producer may
// pass a local. A kind-1 button handler receives the address of that copy; it
// returns 1 to have the notification dismissed, 0 to keep it. A kind-2 panel
// window belongs to a private class whose procedure is windowProcedure and is
// created with the copy's address as its creation parameter: the procedure
// finds it in CREATESTRUCT::lpCreateParams at WM_NCCREATE and WM_CREATE. The
// copy stays valid until the panel is removed (command 5), which destroys the
// panel window at once.
struct PanelRecord {
  uint8_t kind;
  uint8_t panelType;
  char title[102];
  union {
    PanelButtonHandler buttonHandler;   // kind 1
    WNDPROC windowProcedure;            // kind 2
  };
  char producerData[kPathChars];        // opaque to the settings module
  char shortText[500];
  char longText[500];
  char buttonText[3][30];
  uint8_t reserved0[210];
  uint8_t producerMark;
  uint8_t reserved1;
  uint16_t panelHeight;                 // kind 2
  uint8_t reserved2[50];
};

extern "C" typedef void(__cdecl* DownloadCompletion)(DownloadRequest* request, int32_t state);

// Bits of DownloadRequest::flags.
constexpr int32_t kDownloadProductUpdater = 1;  // the panel tells that the product is being updated

// A download a module asks the host for; the host keeps its own copy. The
// completion callback runs on the download's worker thread (or on the UI
// thread for a download cancelled while queued), after the file has reached
// its destination (state 3) or for good failed to (4, 5).
struct DownloadRequest {
  char title[200];
  char url[kPathChars];
  char destination[kPathChars];
  uint8_t reserved0[456];
  int32_t start;                        // 0: create the object only
  DownloadCompletion completion;
  INT_PTR userValue;
  int32_t flags;                        // kDownloadProductUpdater; 0 for other downloads
};

// Image loaded from a PNG resource: the global block and the GDI+ bitmap on it.
struct ImageResourceRecord {
  HGLOBAL block;
  void* bitmap;
};

// Caller-owned record of a hover button (host command 22).
struct HoverButtonRecord {
  HWND window;
  int32_t hovered;
  WNDPROC previousProcedure;
  int32_t repaintParent;
};

// Host command 22: where the hover button goes; the record is the object.
struct HoverButtonDescription {
  HWND parent;
  INT_PTR controlId;
  int32_t x, y, width, height;
};

// Host command 23: the new place of the window given as the object.
struct WindowPlacement {
  int32_t x, y, width, height;
};

// Creation parameter of a "HangardeskComboBox" window.
constexpr char kSkinComboBoxClass[] = "HangardeskComboBox";
constexpr int32_t kSkinComboBoxDark = 1;
struct SkinComboBoxParameters {
  int32_t style;              // kSkinComboBoxDark or 0
  const char* placeholder;    // shown while nothing is selected; must outlive the window
};

struct RateSample {
  uint32_t bytes;
  uint32_t tick;
};
constexpr int kRateSamples = 25;

// Data of the host's download object, which follows its callback interface
// pointer. Modules read and write some of these fields in place, so the host's
// object and DownloadObjectView below share this layout.
struct DownloadObjectData {
  char tempPath[kPathChars];
  DownloadRequest request;
  HANDLE workerThread;
  volatile LONG cancel;
  volatile uint8_t state;               // DownloadState
  uint8_t padding0[3];
  INT_PTR panelHandle;
  HWND panelWindow;
  HoverButtonRecord cancelButton;
  ImageResourceRecord images[8];
  volatile uint32_t bytesExpected;
  volatile uint32_t bytesReceived;
  float rate;
  RateSample samples[kRateSamples];
  int32_t sampleCount;
  char status[kUrlChars];
  volatile LONG referenceCount;
  volatile LONG progressRunning;
  void* fallbackReader;                 // Cabinet::CExtractUrl while the fallback runs
  HANDLE progressThread;
  int32_t reserved;
};

// How a module sees the object returned by host command 21.
struct DownloadObjectView {
  void* callbackInterface;
  DownloadObjectData data;
};

// Module exports, looked up by the names below.
extern "C" {
typedef int32_t(__cdecl* LoadProductModuleExport)(HostContext* context);
typedef void(__cdecl* GetProductInfoExport)(ProductInfo* info);
typedef int32_t(__cdecl* ShowProductWindowExport)(HWND parent);
typedef void(__cdecl* HideProductWindowExport)(void);
typedef int32_t(__cdecl* OnMenuChangeExport)(int32_t page);
typedef INT_PTR(__cdecl* ExecuteCommandExport)(int32_t command, INT_PTR first, INT_PTR second);
typedef void(__cdecl* UnloadProductModuleExport)(void);
}

constexpr const char* kExportLoad = "ZELVA_LoadProductModule";
constexpr const char* kExportGetInfo = "ZELVA_GetProductInfo";
constexpr const char* kExportShow = "ZELVA_ShowProductWindow";
constexpr const char* kExportHide = "ZELVA_HideProductWindow";
constexpr const char* kExportMenuChange = "ZELVA_OnMenuChange";
constexpr const char* kExportExecute = "ExecuteCommand";
constexpr const char* kExportUnload = "ZELVA_UnloadProductModule";

#if !defined(_WIN64)
// The published 32-bit layout.
static_assert(sizeof(void*) == 4, "32-bit layout expected");
static_assert(offsetof(HostContext, dataFolder) == 450);
static_assert(offsetof(HostContext, configPath) == 900);
static_assert(offsetof(HostContext, logPath) == 1350);
static_assert(offsetof(HostContext, fsxRoot) == 1800);
static_assert(offsetof(HostContext, fsxSeRoot) == 2250);
static_assert(offsetof(HostContext, p3dRoot) == 2700);
static_assert(offsetof(HostContext, p3dV4Root) == 3150);
static_assert(offsetof(HostContext, fsxRegistryFolder) == 3600);
static_assert(offsetof(HostContext, fsxSeRegistryFolder) == 4050);
static_assert(offsetof(HostContext, p3dRegistryFolder) == 4500);
static_assert(offsetof(HostContext, p3dV4RegistryFolder) == 4950);
static_assert(offsetof(HostContext, zero) == 5400);
static_assert(offsetof(HostContext, currentSimulator) == 5404);
static_assert(offsetof(HostContext, scaleX) == 5408);
static_assert(offsetof(HostContext, scaleY) == 5416);
static_assert(offsetof(HostContext, isAdministrator) == 5424);
static_assert(offsetof(HostContext, versionText) == 5428);
static_assert(offsetof(HostContext, errorText) == 5432);
static_assert(offsetof(HostContext, menuTree) == 5932);
static_assert(offsetof(HostContext, backgroundImage) == 5936);
static_assert(offsetof(HostContext, mainWindow) == 5940);
static_assert(offsetof(HostContext, hostInstance) == 5944);
static_assert(offsetof(HostContext, moduleCount) == 5948);
static_assert(offsetof(HostContext, products) == 5952);
static_assert(offsetof(HostContext, isWindowsXp) == 6032);
static_assert(offsetof(HostContext, openPdfExternally) == 6036);
static_assert(offsetof(HostContext, fileAssociation) == 6040);
static_assert(offsetof(HostContext, productUpdateServer) == 6044);
static_assert(offsetof(HostContext, hostUpdateServer) == 6344);
static_assert(offsetof(HostContext, liveriesServer) == 6644);
static_assert(offsetof(HostContext, liveryArchive) == 6944);
static_assert(offsetof(HostContext, checkForUpdates) == 7244);
static_assert(offsetof(HostContext, fontFamily) == 7248);
static_assert(offsetof(HostContext, closeWorkingDialog) == 7252);
static_assert(offsetof(HostContext, runWorkingDialog) == 7256);
static_assert(offsetof(HostContext, setWorkingDialogText) == 7260);
static_assert(offsetof(HostContext, setWorkingDialogLayout) == 7264);
static_assert(offsetof(HostContext, openPackage) == 7268);
static_assert(offsetof(HostContext, log) == 7272);
static_assert(offsetof(HostContext, crashFilter) == 7276);
static_assert(offsetof(HostContext, hostCommand) == 7280);
static_assert(sizeof(HostContext) == 7288);

static_assert(sizeof(VariantEntry) == 16);
static_assert(offsetof(VariantEntry, reserved) == 8);
static_assert(offsetof(VariantEntry, offered) == 9);
static_assert(offsetof(VariantEntry, installed) == 12);
static_assert(sizeof(ExpansionEntry) == 52);
static_assert(offsetof(ExpansionEntry, version) == 12);
static_assert(offsetof(ExpansionEntry, reserved) == 42);
static_assert(offsetof(ExpansionEntry, offered) == 43);
static_assert(offsetof(ExpansionEntry, installed) == 48);

static_assert(offsetof(ProductInfo, shortName) == 50);
static_assert(offsetof(ProductInfo, folderName) == 100);
static_assert(offsetof(ProductInfo, packageAircraftName) == 150);
static_assert(offsetof(ProductInfo, productCode) == 200);
static_assert(offsetof(ProductInfo, simulator) == 202);
static_assert(offsetof(ProductInfo, installed) == 204);
static_assert(offsetof(ProductInfo, registered) == 208);
static_assert(offsetof(ProductInfo, version) == 212);
static_assert(offsetof(ProductInfo, variantCount) == 242);
static_assert(offsetof(ProductInfo, variants) == 244);
static_assert(offsetof(ProductInfo, expansionCount) == 484);
static_assert(offsetof(ProductInfo, expansions) == 488);
static_assert(sizeof(ProductInfo) == 748);

static_assert(offsetof(PackageSummary, fileVersion) == 52);
static_assert(offsetof(PackageSummary, aircraft) == 56);
static_assert(offsetof(PackageSummary, variant) == 106);
static_assert(sizeof(PackageSummary) == 156);

static_assert(offsetof(PanelRecord, panelType) == 1);
static_assert(offsetof(PanelRecord, title) == 2);
static_assert(offsetof(PanelRecord, buttonHandler) == 104);
static_assert(offsetof(PanelRecord, producerData) == 108);
static_assert(offsetof(PanelRecord, shortText) == 558);
static_assert(offsetof(PanelRecord, longText) == 1058);
static_assert(offsetof(PanelRecord, buttonText) == 1558);
static_assert(offsetof(PanelRecord, buttonText[1]) == 1588);
static_assert(offsetof(PanelRecord, buttonText[2]) == 1618);
static_assert(offsetof(PanelRecord, producerMark) == 1858);
static_assert(offsetof(PanelRecord, panelHeight) == 1860);
static_assert(sizeof(PanelRecord) == 1912);

static_assert(offsetof(DownloadRequest, url) == 200);
static_assert(offsetof(DownloadRequest, destination) == 650);
static_assert(offsetof(DownloadRequest, reserved0) == 1100);
static_assert(offsetof(DownloadRequest, start) == 1556);
static_assert(offsetof(DownloadRequest, completion) == 1560);
static_assert(offsetof(DownloadRequest, userValue) == 1564);
static_assert(offsetof(DownloadRequest, flags) == 1568);
static_assert(sizeof(DownloadRequest) == 1572);

static_assert(sizeof(HoverButtonRecord) == 16);
static_assert(offsetof(DownloadObjectView, data.request) == 456);
static_assert(offsetof(DownloadObjectView, data.request.completion) == 2016);
static_assert(offsetof(DownloadObjectView, data.request.destination) == 1106);
static_assert(offsetof(DownloadObjectView, data.cancel) == 2032);
static_assert(offsetof(DownloadObjectView, data.state) == 2036);
static_assert(offsetof(DownloadObjectView, data.bytesExpected) == 2128);
static_assert(offsetof(DownloadObjectView, data.bytesReceived) == 2132);
static_assert(offsetof(DownloadObjectView, data.fallbackReader) == 2652);
static_assert(sizeof(DownloadObjectView) == 2664);
#endif

}  // namespace zelva
