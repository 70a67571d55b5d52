#include "SettingsTestHost.h"

#include <algorithm>
#include <cstring>

#include "FixedText.h"
#include "TestFolder.h"

namespace zelva::testing {

HostContext SettingsHost::context_;
std::vector<HostCall> SettingsHost::calls_;
INT_PTR SettingsHost::headerImageNumber_ = -1;

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

INT_PTR __cdecl SettingsHost::HostCommand(int32_t code, const char* text, void* object) {
  (void)object;
  calls_.push_back({code, reinterpret_cast<INT_PTR>(text)});
  if (code == kHostFindImage) return text != nullptr && _stricmp(text, "Blue Header Bar") == 0 ? headerImageNumber_ : -1;
  return code == kHostSetNotificationCount || code == kHostSaveSettings ? 0 : kResultUnknown;
}

void __cdecl SettingsHost::HostLog(const char*, ...) {}

void SettingsHost::SetUp() {
  std::memset(&context_, 0, sizeof(context_));
  context_.hostCommand = &HostCommand;
  context_.log = &HostLog;
  context_.hostInstance = GetModuleHandleA(nullptr);
  context_.scaleX = context_.scaleY = 1.0;
  context_.versionText = "1.17.27";
  calls_.clear();
  headerImageNumber_ = -1;

  // A pop-up like the host's borderless main window (and Wine hides it without
  // waiting for a window manager).
  frame_ = CreateWindowExA(0, "STATIC", "Settings test host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 900,
                           640, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  // The host's content area (its control 1007).
  content_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10, 840, 570, frame_,
                             reinterpret_cast<HMENU>(1007), GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(content_, nullptr);
  ShowWindow(frame_, SW_SHOWNOACTIVATE);
  context_.mainWindow = frame_;
}

void SettingsHost::Load() {
  library_.reset(LoadLibraryA(WindowsPathOf(ZELVA_SETTINGS_PATH).c_str()));
  ASSERT_TRUE(library_) << GetLastError();
  auto bind = [&](auto& target, const char* name) {
    target = reinterpret_cast<std::remove_reference_t<decltype(target)>>(
        reinterpret_cast<void*>(GetProcAddress(library_.get(), name)));
    ASSERT_NE(target, nullptr) << name;
  };
  bind(load_, kExportLoad);
  bind(show_, kExportShow);
  bind(hide_, kExportHide);
  bind(execute_, kExportExecute);
  bind(unload_, kExportUnload);
  ASSERT_NE(load_(&context_), 0);
  loaded_ = true;
}

void SettingsHost::Unload() {
  if (loaded_) unload_();
  loaded_ = false;
}

void SettingsHost::TearDown() {
  Unload();
  library_.reset();
  if (frame_ != nullptr && IsWindow(frame_)) DestroyWindow(frame_);
  Pump();
}

bool SettingsHost::Show() { return show_(content_) == 1; }

void SettingsHost::Hide() { hide_(); }

INT_PTR SettingsHost::Execute(int32_t command, INT_PTR first, INT_PTR second) {
  INT_PTR result = execute_(command, first, second);
  Pump();
  return result;
}

std::vector<INT_PTR> SettingsHost::ReportedCounts() const {
  std::vector<INT_PTR> counts;
  for (const HostCall& call : calls_)
    if (call.code == kHostSetNotificationCount) counts.push_back(call.text);
  return counts;
}

int SettingsHost::CallsOf(int32_t code) const {
  return int(std::count_if(calls_.begin(), calls_.end(), [&](const HostCall& call) { return call.code == code; }));
}

std::vector<HWND> SettingsHost::AllVisible(const char* className, const char* text) const {
  std::vector<HWND> all, found;
  EnumChildWindows(frame_, &CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    char windowClass[64] = "", windowText[256] = "";
    GetClassNameA(window, windowClass, sizeof(windowClass));
    GetWindowTextA(window, windowText, sizeof(windowText));
    if (IsWindowVisible(window) && _stricmp(windowClass, className) == 0 &&
        (text == nullptr || std::strcmp(windowText, text) == 0))
      found.push_back(window);
  }
  return found;
}

void SettingsHost::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void SettingsHost::Click(HWND button) {
  SendMessageA(button, BM_CLICK, 0, 0);
  Pump();
}

RECT SettingsHost::ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

PanelRecord MakeNotification(const char* title, const char* shortText, const char* longText,
                             std::vector<const char*> buttons, PanelButtonHandler handler) {
  PanelRecord record{};
  record.kind = kPanelNotification;
  text::CopyBounded(record.title, title);
  text::CopyBounded(record.shortText, shortText);
  text::CopyBounded(record.longText, longText);
  for (size_t i = 0; i < buttons.size() && i < 3; ++i) text::CopyBounded(record.buttonText[i], buttons[i]);
  record.buttonHandler = handler;
  return record;
}

PanelRecord MakePanel(const char* title, WNDPROC procedure, uint16_t height, const char* producerData) {
  PanelRecord record{};
  record.kind = kPanelWindow;
  record.panelType = kPanelTypeDownload;
  text::CopyBounded(record.title, title);
  record.windowProcedure = procedure;
  text::CopyBounded(record.producerData, producerData);
  record.panelHeight = height;
  return record;
}

}  // namespace zelva::testing
