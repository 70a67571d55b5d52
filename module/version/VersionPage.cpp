#include "VersionPage.h"

#include <commctrl.h>

#include <atomic>
#include <string>

#include "Changelog.h"
#include "ModuleContext.h"
#include "ProductUpdater.h"
#include "VersionCheck.h"
#include "VersionPageIds.h"
#include "VersionPageLayout.h"
#include "WideText.h"
#include "WorkingDialogTask.h"

namespace zelva::module {
namespace {

constexpr UINT kStartMessage = WM_APP + 30;
constexpr UINT kRefreshMessage = WM_APP + 31;
constexpr UINT_PTR kListSubclassId = 1500;

std::atomic<HWND> g_pageWindow{nullptr};

bool IsXp() {
  HostContext* host = Host();
  return host != nullptr && host->isWindowsXp;
}

// A host image found by its name (host command 20).
void LoadHostImage(images::PngImage& image, const char* name) {
  HostContext* host = Host();
  INT_PTR resource = CallHost(kHostFindImage, name);
  if (host != nullptr && resource > 0) image.Load(int(resource), host->hostInstance);
}

void SetVisible(HWND window, bool visible) {
  if (window != nullptr && bool(IsWindowVisible(window)) != visible) ShowWindow(window, visible ? SW_SHOW : SW_HIDE);
}

}  // namespace

std::unique_ptr<Page> CreateVersionPage(int, int dialogTemplate, HWND area, HWND) {
  std::unique_ptr<VersionPage> page(new VersionPage);
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(dialogTemplate), area, &VersionPage::DialogProcedure,
                         reinterpret_cast<LPARAM>(page.get())) == nullptr)
    return nullptr;
  return page;
}

void RefreshVersionPage() {
  HWND page = g_pageWindow.load();
  if (page != nullptr) PostMessageA(page, kRefreshMessage, 0, 0);
}

VersionPage::~VersionPage() {
  SetVersionPageOpen(false);
  g_pageWindow = nullptr;
  // The buttons and the list go with the page window; their records live here.
  DestroyWindowNow();
}

INT_PTR VersionPage::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise();
      return FALSE;
    case kStartMessage:
      Evaluate();
      BuildList();
      return TRUE;
    case kRefreshMessage:
      OnRefresh();
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(background_.get());
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(l);
      if (header->hwndFrom == list_ && header->code == NM_CUSTOMDRAW)
        return DialogResult(OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(l)));
      return FALSE;
    }
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(w) == STN_CLICKED || HIWORD(w) == BN_CLICKED) OnButton(LOWORD(w));
      return TRUE;
    case WM_DESTROY:
      g_pageWindow = nullptr;
      return FALSE;
  }
  return FALSE;
}

void VersionPage::Initialise() {
  SetWindowLongPtrA(window(), GWL_STYLE, GetWindowLongPtrA(window(), GWL_STYLE) | WS_CLIPCHILDREN);
  LoadHostImage(headerBar_, "Gray Header Bar");
  LoadHostImage(collapseImage_, "Header Collapse Button");
  LoadHostImage(expandImage_, "Header Expand Button");
  LoadHostImage(buttonImage_, "Large Button");
  LoadHostImage(changelogIcon_, "PDF Bullet Icon");
  SetVersionPageOpen(true);
  g_pageWindow = window();

  // Room for every entry: the product window scrolls the page, not the list.
  const VersionList& versions = ModuleVersionList();
  int count = versions.count > 0 ? versions.count : 1;
  int height = kListTop + count * (kHeaderHeight + kBodyHeight + kEntryGap) + kListTop;
  if (height < kMinimumPageHeight) height = kMinimumPageHeight;
  SetWindowPos(window(), nullptr, 0, 0, kPageWidth, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The versions are fetched once the page stands in the product window.
  PostMessageA(window(), kStartMessage, 0, 0);
}

void VersionPage::Evaluate() {
  std::string fetched;
  if (work_.ok())
    RunWithWorkingDialog("Downloading Version Data...", [&] { fetched = FetchVersionsFile(work_.path()); });
  ReadPublishedVersions(fetched.c_str(), Product(), ModuleVersionList());
}

void VersionPage::BuildList() {
  RECT client;
  GetClientRect(window(), &client);
  list_ = CreateWindowExA(0, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                              LVS_SHAREIMAGELISTS,
                          kListLeft, kListTop, client.right - 2 * kListLeft, client.bottom - 2 * kListTop, window(),
                          reinterpret_cast<HMENU>(INT_PTR(IDC_VERSION_LIST)), ModuleInstance(), nullptr);
  if (list_ == nullptr) return;
  SetWindowSubclass(list_, &VersionPage::ListProcedure, kListSubclassId, reinterpret_cast<DWORD_PTR>(this));
  ListView_SetBkColor(list_, kPageColour);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_DOUBLEBUFFER);

  LVCOLUMNA column = {};
  column.mask = LVCF_WIDTH;
  column.cx = client.right - 2 * kListLeft - GetSystemMetrics(SM_CXVSCROLL);
  ListView_InsertColumn(list_, 0, &column);

  const VersionList& versions = ModuleVersionList();
  groups_ = !IsXp() && ListView_EnableGroupView(list_, TRUE) >= 0;
  for (int i = 0; groups_ && i < versions.count; ++i) {
    std::wstring name = win::WideFromAnsi(versions.entries[i].displayName);
    LVGROUP group = {};
    group.cbSize = sizeof(group);
    group.mask = LVGF_HEADER | LVGF_GROUPID | LVGF_STATE;
    group.pszHeader = name.data();
    group.iGroupId = i;
    group.stateMask = LVGS_COLLAPSIBLE;
    group.state = LVGS_COLLAPSIBLE;
    if (ListView_InsertGroup(list_, -1, &group) < 0) groups_ = false;
  }
  if (!groups_) ListView_EnableGroupView(list_, FALSE);

  // Items take the height of the small image list, which the page owns.
  int itemHeight = groups_ ? kBodyHeight : kHeaderHeight + kBodyHeight;
  HIMAGELIST heights = ImageList_Create(1, itemHeight, ILC_COLOR32, 1, 0);
  ListView_SetImageList(list_, heights, LVSIL_SMALL);

  for (int i = 0; i < versions.count; ++i) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM | (groups_ ? LVIF_GROUPID : 0);
    item.iItem = i;
    item.lParam = i;
    item.iGroupId = i;
    ListView_InsertItem(list_, &item);
    CreateButtons(i);
  }
  // A control that took the groups but lays none out is used without them.
  RECT probe;
  bool collapsed;
  if (groups_ && versions.count > 0 && !EntryRect(0, probe, collapsed)) {
    ListView_EnableGroupView(list_, FALSE);
    groups_ = false;
    ImageList_Destroy(ListView_SetImageList(
        list_, ImageList_Create(1, kHeaderHeight + kBodyHeight, ILC_COLOR32, 1, 0), LVSIL_SMALL));
  }
  FollowEntries();
}

void VersionPage::CreateButtons(int index) {
  EntryButtons& buttons = buttons_[index];
  auto create = [this](HoverButtonRecord& record, int id, int width, int height) {
    HoverButtonDescription description = {list_, id, 0, 0, width, height};
    CallHost(kHostCreateHoverButton, reinterpret_cast<const char*>(&description), &record);
    SetVisible(record.window, false);
  };
  create(buttons.changelog, IDC_VERSION_CHANGELOG + index, kChangelogButton.width, kChangelogButton.height);
  create(buttons.download, IDC_VERSION_DOWNLOAD + index, kDownloadButton.width, kDownloadButton.height);
  if (groups_) create(buttons.collapse, IDC_VERSION_COLLAPSE + index, kCollapseButton.width, kCollapseButton.height);
}

bool VersionPage::EntryRect(int index, RECT& rect, bool& collapsed) const {
  collapsed = false;
  if (!groups_) return ListView_GetItemRect(list_, index, &rect, LVIR_BOUNDS) != FALSE;
  rect = {};
  if (!ListView_GetGroupRect(list_, index, LVGGR_GROUP, &rect) || rect.bottom <= rect.top) return false;
  collapsed = (ListView_GetGroupState(list_, index, LVGS_COLLAPSED) & LVGS_COLLAPSED) != 0;
  return true;
}

int VersionPage::HeaderHeight(int index) const {
  if (!groups_) return kHeaderHeight;
  RECT header = {};
  if (!ListView_GetGroupRect(list_, index, LVGGR_HEADER, &header)) return kHeaderHeight;
  return header.bottom - header.top;
}

// The buttons follow their entries; they move only when an entry did.
void VersionPage::FollowEntries() {
  if (list_ == nullptr) return;
  const VersionList& versions = ModuleVersionList();
  for (int i = 0; i < versions.count; ++i) {
    RECT rect;
    bool collapsed;
    if (!EntryRect(i, rect, collapsed)) continue;
    EntryButtons& buttons = buttons_[i];
    if (buttons.placed && EqualRect(&rect, &buttons.lastRect) && collapsed == buttons.lastCollapsed) continue;
    buttons.placed = true;
    buttons.lastRect = rect;
    buttons.lastCollapsed = collapsed;
    PlaceButtons(i, rect, collapsed);
  }
}

void VersionPage::PlaceButtons(int index, const RECT& entry, bool collapsed) {
  const VersionEntry& version = ModuleVersionList().entries[index];
  EntryButtons& buttons = buttons_[index];
  int bodyTop = entry.top + HeaderHeight(index);
  auto place = [](HoverButtonRecord& record, const ButtonPlace& where, int left, int top, bool visible) {
    if (record.window == nullptr) return;
    SetWindowPos(record.window, nullptr, left + where.x, top + where.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetVisible(record.window, visible);
  };
  int right = entry.right;
  place(buttons.changelog, kChangelogButton, entry.left, bodyTop,
        !collapsed && version.state != kVersionUnknown && version.hasChangelog);
  place(buttons.download, kDownloadButton, right - kDownloadButton.width - kDownloadButton.x, bodyTop,
        !collapsed && version.state == kUpdateAvailable);
  place(buttons.collapse, kCollapseButton, right - kCollapseButton.width - kCollapseButton.x, entry.top, groups_);
}

void VersionPage::SetButtonsRedraw(bool on) {
  for (EntryButtons& buttons : buttons_)
    for (HoverButtonRecord* record : {&buttons.changelog, &buttons.download, &buttons.collapse})
      if (record->window != nullptr) SendMessageA(record->window, WM_SETREDRAW, on, 0);
  if (on) RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void VersionPage::OnButton(int id) {
  const int count = ModuleVersionList().count;
  if (id >= IDC_VERSION_CHANGELOG && id < IDC_VERSION_CHANGELOG + count) {
    ShowChangelog(id - IDC_VERSION_CHANGELOG, work_.path());
  } else if (id >= IDC_VERSION_DOWNLOAD && id < IDC_VERSION_DOWNLOAD + count) {
    OnDownload(id - IDC_VERSION_DOWNLOAD);
  } else if (id >= IDC_VERSION_COLLAPSE && id < IDC_VERSION_COLLAPSE + count && groups_) {
    int group = id - IDC_VERSION_COLLAPSE;
    bool collapsed = (ListView_GetGroupState(list_, group, LVGS_COLLAPSED) & LVGS_COLLAPSED) != 0;
    ListView_SetGroupState(list_, group, LVGS_COLLAPSED, collapsed ? 0 : LVGS_COLLAPSED);
    InvalidateRect(list_, nullptr, TRUE);
  }
}

void VersionPage::OnDownload(int index) {
  VersionEntry& entry = ModuleVersionList().entries[index];
  if (entry.downloadRunning) return;
  Log("Download Update from VERSIONS page is launched \n");
  DownloadUpdate(index);
  if (entry.state == kUpdateAvailable) {
    Log("Up-to-Date flag is FALSE - indicates a problem during updating.\n");
    return;
  }
  Log("Up-to-Date flag is TRUE - preparing notification update change.\n");
  if (entry.notificationPosted && entry.notificationId != -1) {
    Log("Conditions for notification reduction met.\n");
    CallHost(kHostRemovePanel, reinterpret_cast<const char*>(entry.notificationId));
  } else {
    Log("Conditions for notification NOTE reduction met.\n");
  }
}

void VersionPage::OnRefresh() {
  for (EntryButtons& buttons : buttons_) buttons.placed = false;
  FollowEntries();
  if (list_ != nullptr) RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT VersionPage::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      if (groups_ && draw.dwItemType == LVCDI_GROUP) {
        DrawHeader(draw.nmcd.hdc, draw.rcText, int(draw.nmcd.dwItemSpec));
        return CDRF_SKIPDEFAULT;
      }
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      int index = int(draw.nmcd.lItemlParam);
      RECT rect;
      if (!ListView_GetItemRect(list_, int(draw.nmcd.dwItemSpec), &rect, LVIR_BOUNDS)) return CDRF_SKIPDEFAULT;
      if (!groups_) {
        RECT header = {rect.left, rect.top, rect.right, rect.top + kHeaderHeight};
        DrawHeader(draw.nmcd.hdc, header, index);
        rect.top += kHeaderHeight;
      }
      DrawBody(draw.nmcd.hdc, rect, index);
      return CDRF_SKIPDEFAULT;
    }
  }
  return CDRF_DODEFAULT;
}

LRESULT CALLBACK VersionPage::ListProcedure(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* page = reinterpret_cast<VersionPage*>(data);
  switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
      // The buttons are the list's children; the page answers for them.
      return SendMessageA(page->window(), message, w, l);
    case WM_VSCROLL:
      if (LOWORD(w) != SB_ENDSCROLL) {
        page->SetButtonsRedraw(false);
        LRESULT result = DefSubclassProc(list, message, w, l);
        page->SetButtonsRedraw(true);
        return result;
      }
      break;
    case WM_MOUSEWHEEL: {
      page->SetButtonsRedraw(false);
      LRESULT result = DefSubclassProc(list, message, w, l);
      page->SetButtonsRedraw(true);
      return result;
    }
    case WM_PAINT: {
      LRESULT result = DefSubclassProc(list, message, w, l);
      page->FollowEntries();
      return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return 0;  // entries are read, not selected
    case WM_NCDESTROY:
      ImageList_Destroy(ListView_GetImageList(list, LVSIL_SMALL));
      RemoveWindowSubclass(list, &VersionPage::ListProcedure, kListSubclassId);
      break;
  }
  return DefSubclassProc(list, message, w, l);
}

}  // namespace zelva::module
