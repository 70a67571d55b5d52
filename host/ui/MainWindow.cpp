#include "MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ChangelogCheck.h"
#include "CommandQueueService.h"
#include "DocumentService.h"
#include "DownloadManager.h"
#include "FixedText.h"
#include "HostLog.h"
#include "HostResources.h"
#include "HostState.h"
#include "HostUpdateCheck.h"
#include "ProductVersionsCheck.h"
#include "StatusWindow.h"
#include "UiThreadCalls.h"
#include "WorkFolders.h"
#include "WorkingDialog.h"

namespace zelva::ui {
namespace {

MainWindow* g_mainWindow = nullptr;
constexpr UINT_PTR kStartTimer = 0;
constexpr int kStartWidth = 1100;
constexpr int kStartHeight = 655;
constexpr UINT_PTR kListSubclassId = 1008;

// The product list changes only by clicking, and its closed face is the
// skin's image over the whole control rather than the system's frame.
LRESULT CALLBACK ProductListProcedure(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  if (skin::IsSwallowedListInput(message)) return 0;
  switch (message) {
    case WM_PAINT: {
      win::PaintScope paint(list);
      DRAWITEMSTRUCT face = {};
      face.CtlType = ODT_COMBOBOX;
      face.CtlID = IDC_PRODUCT_LIST;
      face.itemID = UINT(-1);
      face.itemState = ODS_COMBOBOXEDIT;
      face.hwndItem = list;
      face.hDC = paint.dc();
      GetClientRect(list, &face.rcItem);
      SendMessageA(GetParent(list), WM_DRAWITEM, IDC_PRODUCT_LIST, reinterpret_cast<LPARAM>(&face));
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_NCDESTROY:
      RemoveWindowSubclass(list, &ProductListProcedure, kListSubclassId);
      break;
  }
  return DefSubclassProc(list, message, w, l);
}

void PlaceControl(HWND window, int id, int x, int y, int width, int height) {
  SetWindowPos(GetDlgItem(window, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

MainWindow* TheMainWindow() { return g_mainWindow; }

void RunMainWindow(HINSTANCE instance) {
  MainWindow window;
  g_mainWindow = &window;
  INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, &MainWindow::DialogProcedure,
                                   reinterpret_cast<LPARAM>(&window));
  if (result == -1) GetLastError();  // creation failed: shutdown follows all the same
  g_mainWindow = nullptr;
  host::Context().mainWindow = nullptr;
}

bool MainWindow::IsProductCurrent() const { return current_ != nullptr && current_ != &host::SettingsModule(); }

INT_PTR MainWindow::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      if (!Initialise()) EndDialog(window(), 0);
      return TRUE;
    case WM_TIMER:
      if (w == kStartTimer) OnFirstTick();
      return TRUE;
    case WM_COPYDATA:
      OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(l));
      return DialogResult(TRUE);
    case WM_SIZE:
      OnSize(w, l);
      return TRUE;
    case WM_MOVE:
      document::PlaceDocument();
      return TRUE;
    case WM_SIZING:
      OnSizing(w, *reinterpret_cast<RECT*>(l));
      return DialogResult(TRUE);
    case WM_WINDOWPOSCHANGING:
      KeepMinimumSize(*reinterpret_cast<WINDOWPOS*>(l));
      return FALSE;
    case WM_ERASEBKGND:
      return DialogResult(1);
    case WM_PAINT:
      Paint();
      return TRUE;
    case WM_MEASUREITEM:
      MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(l));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return OnStaticColour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w));
      return TRUE;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(l));
      return FALSE;
    case WM_LBUTTONDOWN:
      StartDrag(POINT{short(LOWORD(l)), short(HIWORD(l))});
      return TRUE;
    case WM_MOUSEMOVE:
      Drag();
      return TRUE;
    case WM_LBUTTONUP:
      EndDrag();
      return TRUE;
    case kHoverReportMessage:
      OnHoverReport(reinterpret_cast<HWND>(w));
      return TRUE;
    case kDownloadFinishedMessage:
      downloads::FinishDownload(l);
      return TRUE;
    case host::kRunHostCommandMessage:
      host::CarryOutForwarded(*reinterpret_cast<host::ForwardedCommand*>(l));
      return TRUE;
  }
  return FALSE;
}

void MainWindow::OnSize(WPARAM sizeType, LPARAM size) {
  Layout(sizeType, size);
  document::PlaceDocument();
}

// Whoever moves the window, it never gets smaller than the design allows.
void MainWindow::KeepMinimumSize(WINDOWPOS& position) {
  if (position.flags & SWP_NOSIZE) return;
  if (position.cx < kMinimumWidth) position.cx = kMinimumWidth;
  if (position.cy < kMinimumHeight) position.cy = kMinimumHeight;
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == IDC_PRODUCT_LIST) {
    DrawProductListItem(item);
  } else {
    DrawButton(item);
  }
}

INT_PTR MainWindow::OnStaticColour(HDC dc, HWND control) {
  if (control != GetDlgItem(window(), IDC_CONTENT_AREA)) return FALSE;
  SetBkColor(dc, RGB(241, 241, 241));
  return reinterpret_cast<INT_PTR>(pageBrush_.get());
}

void MainWindow::OnNotify(const NMHDR& header) {
  if (header.idFrom == IDC_MENU_TREE && header.code == TVN_SELCHANGEDA)
    OnTreeSelection(reinterpret_cast<const NMTREEVIEWA&>(header));
}

// The window has no caption: a press anywhere on its background moves it.
void MainWindow::StartDrag(POINT grab) {
  dragging_ = true;
  grab_ = grab;
  SetCapture(window());
}

void MainWindow::Drag() {
  if (!dragging_) return;
  POINT cursor;
  GetCursorPos(&cursor);
  SetWindowPos(window(), nullptr, cursor.x - grab_.x - GetSystemMetrics(SM_CXFRAME),
               cursor.y - grab_.y - GetSystemMetrics(SM_CYFRAME), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  ReleaseCapture();
}

void MainWindow::OnHoverReport(HWND hovered) {
  hoverWindow_ = hovered;
  hoverId_ = hovered != nullptr ? GetDlgCtrlID(hovered) : 0;
}

bool MainWindow::Initialise() {
  HostContext& context = host::Context();
  HINSTANCE instance = context.hostInstance;
  host::HostLog("\nWindow initializing\n");
  host::HoldQueue();
  // Modules may start downloads while they load, each in a working folder of
  // its own: the clean-up below is for what earlier runs left.
  const std::vector<std::string> leftOvers = files::ListTemporaryFolders();

  context.mainWindow = window();
  SetWindowTextA(window(), "ZELVA Hangardesk");
  pageBrush_.reset(CreateSolidBrush(RGB(241, 241, 241)));
  logo_.Load(112, instance);
  title_.Load(111, instance);
  home_.Load(151, instance);
  manual_.Load(172, instance);
  close_.Load(114, instance);
  listSkin_.Load({107, 108, 109, 110, 115}, instance);
  notifications_.Load(167, instance);
  darkBalloon_.Load(166, instance);
  SetWindowPos(window(), nullptr, 0, 0, kStartWidth, kStartHeight, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageA(window(), WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_HOST), IMAGE_ICON, 16, 16, 0)));

  StartStatusWindow(instance);
  SetStatusText("Initializing Application...");
  PrepareControls();

  SetStatusText("Loading Settings...");
  if (!host::LoadSettingsModule(window())) {
    CloseStatusWindow();
    return false;
  }

  SetStatusText("Loading Products...");
  host::LoadProductModules();
  FillProductList();

  SetStatusText("Painting...");
  ComposeBackground();

  SetStatusText("Loading Product...");
  SendDlgItemMessageA(window(), IDC_PRODUCT_LIST, CB_SETCURSEL, WPARAM(-1), 0);
  ShowModule(host::ProductModuleCount());

  if (context.checkForUpdates) {
    SetStatusText("Checking for online updates...");
    host::CheckHostUpdate(context, true);
    host::CheckProductVersions(context);
  }

  SetStatusText("Cleaning up...");
  files::DeleteFolderTrees(leftOvers);

  SetStatusText("Starting ZELVA Hangardesk...");
  CloseStatusWindow();

  host::CheckChangelog(context);
  SetTimer(window(), kStartTimer, 200, nullptr);
  host::HostLog("\n\n\nLoad complete.  Running ZELVA Hangardesk\n\n\n");
  return true;
}

void MainWindow::PrepareControls() {
  HWND tree = GetDlgItem(window(), IDC_MENU_TREE);
  host::Context().menuTree = tree;
  TreeView_SetBkColor(tree, RGB(241, 241, 241));
  PlaceControl(window(), IDC_PRODUCT_LIST, 23, 70, 232, 300);
  PlaceControl(window(), IDC_MENU_TREE, 23, 100, 232, 140);
  PlaceControl(window(), IDC_CONTENT_FRAME, 260, 60, 825, 580);
  PlaceControl(window(), IDC_CONTENT_AREA, 263, 66, 819, 568);
  // The frame lies under the content area and never paints over the pages and documents in it.
  SetWindowPos(GetDlgItem(window(), IDC_CONTENT_FRAME), HWND_BOTTOM, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowSubclass(GetDlgItem(window(), IDC_PRODUCT_LIST), &ProductListProcedure, kListSubclassId, 0);
  ShowWindow(GetDlgItem(window(), IDC_NOTIFICATIONS), SW_HIDE);
}

void MainWindow::FillProductList() {
  HWND list = GetDlgItem(window(), IDC_PRODUCT_LIST);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  auto add = [list](const char* text, LPARAM data) {
    LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(list, CB_SETITEMDATA, WPARAM(index), data);
  };
  add("Top", kCapItemData);
  for (int slot = 0; slot < host::ProductModuleCount(); ++slot)
    add(host::ProductModuleAt(slot).info.displayName, slot);
  add("Bottom", kCapItemData);
}

void MainWindow::ShowModule(int index) {
  if (index == currentIndex_) return;
  if (current_ != nullptr && current_->hide != nullptr) current_->hide();
  TreeView_DeleteAllItems(GetDlgItem(window(), IDC_MENU_TREE));
  currentIndex_ = index;
  int count = host::ProductModuleCount();
  if (index == count) {
    current_ = &host::SettingsModule();
  } else if (index < count) {
    current_ = &host::ProductModuleAt(index);
  }
  if (current_ != nullptr && current_->library != nullptr) current_->show(GetDlgItem(window(), IDC_CONTENT_AREA));
  RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::SetNotificationCount(INT_PTR count) {
  char text[24];
  std::snprintf(text, sizeof(text), "%d", int(count));
  HWND button = GetDlgItem(window(), IDC_NOTIFICATIONS);
  SetWindowTextA(button, text);
  ShowWindow(button, count != 0 ? SW_SHOW : SW_HIDE);
  InvalidateRect(button, nullptr, FALSE);
}

void MainWindow::OnCommand(int id, int code) {
  switch (id) {
    case IDC_CLOSE:
    case IDCANCEL:
      if (code == BN_CLICKED) Close();
      return;
    case IDC_HOME:
      if (code == BN_CLICKED) OnHome();
      return;
    case IDC_MANUAL:
      if (code == BN_CLICKED) OnManual();
      return;
    case IDC_PRODUCT_LIST:
      if (code == CBN_DROPDOWN) droppedDown_ = true;
      if (code == CBN_SELCHANGE) droppedDown_ = false;
      if (code == CBN_SELENDOK) OnProductChosen();
      if (code == CBN_CLOSEUP && host::Context().isWindowsXp) {
        HWND list = GetDlgItem(window(), IDC_PRODUCT_LIST);
        ShowWindow(list, SW_HIDE);
        ShowWindow(list, SW_SHOW);
      }
      return;
  }
}

void MainWindow::OnProductChosen() {
  HWND list = GetDlgItem(window(), IDC_PRODUCT_LIST);
  LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
  LRESULT data = selected < 0 ? kCapItemData : SendMessageA(list, CB_GETITEMDATA, WPARAM(selected), 0);
  if (selected < 0 || data == kCapItemData) {
    SendMessageA(list, CB_SETCURSEL, WPARAM(lastAccepted_), 0);
    return;
  }
  lastAccepted_ = int(selected);
  ShowModule(int(data));
}

void MainWindow::OnHome() {
  ShowModule(host::ProductModuleCount());
  host::ProductModule& settings = host::SettingsModule();
  if (settings.command != nullptr && settings.command(kSettingsHomeClosesPopup, 0, 0) > 0)
    settings.command(kSettingsHomePressed, 0, 0);
  lastAccepted_ = -1;
  HWND list = GetDlgItem(window(), IDC_PRODUCT_LIST);
  SendMessageA(list, CB_SETCURSEL, WPARAM(-1), 0);
  InvalidateRect(list, nullptr, TRUE);
}

void MainWindow::OnManual() {
  HostContext& context = host::Context();
  char path[kPathChars];
  text::CopyBounded(path, context.programFolder);
  text::AppendBounded(path, "ZELVA-HDK-Manual.pdf");
  if (context.openPdfExternally) {
    ShellExecuteA(window(), "open", path, nullptr, nullptr, SW_SHOWDEFAULT);
    return;
  }
  std::wstring request = document::ShowDocumentRequest(path, L"ZELVA Hangardesk Manual");
  if (request.empty()) return;
  context.hostCommand(kHostShowDocument, reinterpret_cast<const char*>(request.c_str()), nullptr);
}

void MainWindow::Close() {
  // A module's work runs behind the working dialog: unloading the module now
  // would pull its code from under that work. The window is disabled then,
  // so only a close sent from outside gets here.
  if (ui::IsWorkingDialogOpen()) {
    host::HostLog("\nClose refused: work in progress\n");
    return;
  }
  // Their callbacks reach into the modules: done before those go.
  downloads::StopAllDownloads();
  document::DiscardDocument();
  if (current_ != nullptr && current_->hide != nullptr && IsProductCurrent()) current_->hide();
  current_ = nullptr;
  host::UnloadProductModules();
  EndDialog(window(), 0);
}

void MainWindow::OnTreeSelection(const NMTREEVIEWA& change) {
  if (current_ != nullptr && current_->menuChange != nullptr) current_->menuChange(int32_t(change.itemNew.lParam));
}

void MainWindow::OnSizing(WPARAM edge, RECT& bounds) {
  if (bounds.right - bounds.left < kMinimumWidth) {
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
      bounds.left = bounds.right - kMinimumWidth;
    else
      bounds.right = bounds.left + kMinimumWidth;
  }
  if (bounds.bottom - bounds.top < kMinimumHeight) {
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
      bounds.top = bounds.bottom - kMinimumHeight;
    else
      bounds.bottom = bounds.top + kMinimumHeight;
  }
}

void MainWindow::OnFirstTick() {
  KillTimer(window(), kStartTimer);
  if (firstTickSeen_) return;
  firstTickSeen_ = true;
  host::ReleaseQueue();
}

void MainWindow::OnCopyData(const COPYDATASTRUCT& data) {
  if (data.lpData == nullptr || data.cbData == 0) return;
  // The sender's text need not be terminated within what it sent.
  std::string text(static_cast<const char*>(data.lpData), data.cbData);
  host::ReceiveHandOff(text.c_str());
}

}  // namespace zelva::ui
