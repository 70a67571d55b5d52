// Shows the home page as the host would, with two notifications and a
// download panel, for looking at it and taking screenshots.
// Usage: zelva_settings_preview.exe [Settings.dat path] [seconds]
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "FixedText.h"
#include "ZelvaContract.h"

using namespace zelva;

namespace {

constexpr COLORREF kFrameColour = RGB(0x2D, 0x3A, 0x53);

INT_PTR __cdecl PreviewHostCommand(int32_t code, const char*, void*) {
  return code == kHostFindImage ? -1 : 0;
}

void __cdecl PreviewLog(const char*, ...) {}

// Stands in for the host's download panel.
LRESULT CALLBACK DownloadPanel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(dc, &client, white);
  DeleteObject(white);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(31, 38, 51));
  char title[128] = "";
  GetWindowTextA(window, title, sizeof(title));
  TextOutA(dc, 112, 15, title, static_cast<int>(std::strlen(title)));
  const char status[] = "14.2MB of 36.8MB downloaded";
  TextOutA(dc, 112, 40, status, static_cast<int>(std::strlen(status)));
  RECT bar{112, 70, client.right - 24, 86};
  HBRUSH track = CreateSolidBrush(RGB(222, 226, 232));
  HBRUSH done = CreateSolidBrush(RGB(46, 138, 87));
  FillRect(dc, &bar, track);
  bar.right = bar.left + (bar.right - bar.left) * 38 / 100;
  FillRect(dc, &bar, done);
  DeleteObject(track);
  DeleteObject(done);
  EndPaint(window, &paint);
  return 0;
}

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      HBRUSH brush = CreateSolidBrush(kFrameColour);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
      DeleteObject(brush);
      return 1;
    }
    case WM_TIMER:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

PanelRecord Notification(const char* title, const char* shortText, const char* longText,
                         std::initializer_list<const char*> buttons, uint8_t mark) {
  PanelRecord record;
  std::memset(&record, 0, sizeof(record));
  record.kind = kPanelNotification;
  text::CopyBounded(record.title, title);
  text::CopyBounded(record.shortText, shortText);
  text::CopyBounded(record.longText, longText);
  int i = 0;
  for (const char* button : buttons) text::CopyBounded(record.buttonText[i++], button);
  record.producerMark = mark;
  return record;
}

}  // namespace

int main(int argc, char** argv) {
  std::string path = argc > 1 ? argv[1] : "Settings.dat";
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 0;

  WNDCLASSA frameClass{};
  frameClass.lpfnWndProc = FrameProcedure;
  frameClass.hInstance = GetModuleHandleA(nullptr);
  frameClass.lpszClassName = "ZelvaSettingsPreview";
  frameClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  RegisterClassA(&frameClass);
  HWND frame = CreateWindowExA(0, "ZelvaSettingsPreview", "ZELVA Hangardesk (preview)", WS_POPUP | WS_CLIPCHILDREN,
                               40, 40, 1100, 655, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  // Where the host's content area lies in its 1100 x 655 main window.
  HWND content = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 262, 66, 819, 568, frame,
                                 reinterpret_cast<HMENU>(1007), GetModuleHandleA(nullptr), nullptr);

  static HostContext context{};
  context.hostCommand = &PreviewHostCommand;
  context.log = &PreviewLog;
  context.hostInstance = GetModuleHandleA(nullptr);
  context.mainWindow = frame;
  context.scaleX = context.scaleY = 1.0;
  context.versionText = "1.17.27";
  context.fileAssociation = 1;
  context.checkForUpdates = 1;

  HMODULE library = LoadLibraryA(path.c_str());
  if (library == nullptr) return 2;
  auto load = reinterpret_cast<LoadProductModuleExport>(reinterpret_cast<void*>(GetProcAddress(library, kExportLoad)));
  auto show = reinterpret_cast<ShowProductWindowExport>(reinterpret_cast<void*>(GetProcAddress(library, kExportShow)));
  auto execute =
      reinterpret_cast<ExecuteCommandExport>(reinterpret_cast<void*>(GetProcAddress(library, kExportExecute)));
  auto unload =
      reinterpret_cast<UnloadProductModuleExport>(reinterpret_cast<void*>(GetProcAddress(library, kExportUnload)));
  if (!load || !show || !execute || !unload || load(&context) == 0) return 3;

  PanelRecord update = Notification(
      "Hangardesk Update Available", "An update is available for the ZELVA Hangardesk.",
      "There is an update available for the ZELVA Hangardesk.  If you choose to install, only the files that "
      "require an update will be downloaded.",
      {"Install Update", "Ignore"}, kPanelMarkUpdate);
  PanelRecord livery = Notification(
      "ZELVA K50 - FSX: Liveries missing from aircraft.cfg",
      "3 liveries of the ZELVA K50-200LR lost their aircraft.cfg entries. Do you want to repair them?",
      "A simulator update or a re-installation rewrote aircraft.cfg. The texture folders are still there.",
      {"Repair Liveries", "Delete Textures", "Ignore"}, kPanelMarkLiveryQuestion);
  PanelRecord download;
  std::memset(&download, 0, sizeof(download));
  download.kind = kPanelWindow;
  download.panelType = kPanelTypeDownload;
  text::CopyBounded(download.title, "ZELVA K50 Livery Pack 3");
  download.windowProcedure = &DownloadPanel;
  download.panelHeight = 110;
  execute(kSettingsAddPanel, reinterpret_cast<INT_PTR>(&update), 0);
  execute(kSettingsAddPanel, reinterpret_cast<INT_PTR>(&livery), 0);
  execute(kSettingsAddPanel, reinterpret_cast<INT_PTR>(&download), 0);

  ShowWindow(frame, SW_SHOW);
  show(content);
  if (seconds > 0) SetTimer(frame, 1, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  unload();
  DestroyWindow(frame);
  FreeLibrary(library);
  return 0;
}
