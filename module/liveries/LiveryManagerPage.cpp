#include "LiveryManagerPage.h"

#include <commctrl.h>
#include <windowsx.h>

#include "Handles.h"
#include "LiveryEntries.h"
#include "LiveryExport.h"
#include "LiveryList.h"
#include "LiveryManagerIds.h"
#include "LiveryRemoval.h"
#include "ListSelection.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

constexpr int kFilterChars = 100;

Gdiplus::Color PageColour() {
  return Gdiplus::Color(0xFF, GetRValue(kPageColour), GetGValue(kPageColour), GetBValue(kPageColour));
}

void DrawButtonImage(const DRAWITEMSTRUCT& item, const images::PngImage& image) {
  const RECT& r = item.rcItem;
  Gdiplus::Graphics graphics(item.hDC);
  graphics.Clear(PageColour());
  if (!image) return;
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.DrawImage(image.get(), Gdiplus::Rect(r.left + 1, r.top + 1, r.right - r.left - 2, r.bottom - r.top - 2));
}

}  // namespace

std::unique_ptr<Page> LiveryManagerPage::Create(int, int, HWND area, HWND) {
  std::unique_ptr<LiveryManagerPage> page(new LiveryManagerPage());
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_LIVERY_MANAGER), area,
                         &LiveryManagerPage::DialogProcedure, reinterpret_cast<LPARAM>(page.get())) == nullptr)
    return nullptr;
  ShowWindow(page->window(), SW_SHOW);
  return page;
}

LiveryManagerPage::~LiveryManagerPage() {
  selector_.Detach();
  UnbindLiveryPage();
  DestroyWindowNow();
}

void LiveryManagerPage::OnInitialise() {
  LiveryPageControls controls;
  controls.page = window();
  controls.list = Item(IDC_LIVERY_LIST);
  controls.description = Item(IDC_LIVERY_DESCRIPTION);
  BindLiveryPage(controls);
  ClearLiverySelection();
  HINSTANCE instance = ModuleInstance();
  install_.Load(IDP_LIVERY_INSTALL, instance);
  remove_.Load(IDP_LIVERY_REMOVE, instance);
  header_.Load(IDP_LIVERY_HEADER, instance);
  face_.Load(IDP_LIVERY_SELECTOR_FACE, instance);
  highlight_.Load(IDP_LIVERY_HIGHLIGHT, instance);
  selector_.Attach(Item(IDC_LIVERY_VARIANT), face_, highlight_);
  // Shown while the box has the focus too.
  SendMessageW(Item(IDC_LIVERY_FILTER), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Filter..."));
  SendMessageA(Item(IDC_LIVERY_FILTER), EM_LIMITTEXT, kFilterChars - 1, 0);
  AddTooltips();
  // The first variant, as if the user had chosen it.
  selector_.ChooseItem(1);
  OnVariantChosen();
}

void LiveryManagerPage::AddTooltips() {
  HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window(), nullptr, ModuleInstance(), nullptr);
  if (tips == nullptr) return;
  const struct {
    int id;
    const char* text;
  } kTips[] = {{IDC_LIVERY_FILTER, "Type to filter installed liveries."},
               {IDC_LIVERY_VARIANT, "Select the aircraft variant to view liveries."},
               {IDC_LIVERY_INSTALL, "Install a new livery."},
               {IDC_LIVERY_REMOVE, "Remove the selected liveries."}};
  for (const auto& tip : kTips) {
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window();
    info.uId = reinterpret_cast<UINT_PTR>(Item(tip.id));
    info.lpszText = const_cast<char*>(tip.text);
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void LiveryManagerPage::ShowEntryZero() {
  if (variant_ < 0) return;
  SelectEntry(Item(IDC_LIVERY_LIST), 0);
  if (LiveryListCount() > 0) ShowLiveryDetails(0, variant_);
  InvalidateRect(Item(IDC_LIVERY_THUMBNAIL), nullptr, FALSE);
}

void LiveryManagerPage::OnVariantChosen() {
  int variant = selector_.ChosenVariant();
  // The decorations never stay chosen: back to the variant shown.
  if (variant < 0) {
    selector_.Choose(variant_);
    return;
  }
  if (variant == variant_) return;
  variant_ = variant;
  LiveryPageControls controls;
  controls.page = window();
  controls.list = Item(IDC_LIVERY_LIST);
  controls.description = Item(IDC_LIVERY_DESCRIPTION);
  controls.variant = variant;
  BindLiveryPage(controls);
  SetDlgItemTextA(window(), IDC_LIVERY_FILTER, "");
  ReadLiveryList(variant);
  thumbnail_.Clear();
  InvalidateRect(Item(IDC_LIVERY_THUMBNAIL), nullptr, FALSE);
  ShowEntryZero();
}

void LiveryManagerPage::OnFilterChanged() {
  char filter[kFilterChars] = {};
  GetDlgItemTextA(window(), IDC_LIVERY_FILTER, filter, kFilterChars);
  FilterLiveryList(filter);
}

void LiveryManagerPage::OnSelectionChanged() {
  ClearLiverySelection();
  HWND list = Item(IDC_LIVERY_LIST);
  LRESULT current = SendMessageA(list, LB_GETCARETINDEX, 0, 0);
  if (variant_ >= 0 && current >= 0 && current < SendMessageA(list, LB_GETCOUNT, 0, 0))
    ShowLiveryDetails(int(SendMessageA(list, LB_GETITEMDATA, WPARAM(current), 0)), variant_);
  InvalidateRect(Item(IDC_LIVERY_THUMBNAIL), nullptr, FALSE);
}

void LiveryManagerPage::OnInstall() {
  HostContext* host = Host();
  if (host == nullptr || host->openPackage == nullptr || variant_ < 0) return;
  OpenPackageRequest request = {1, Product().shortName, Product().variants[variant_].name};
  host->openPackage(&request);
  ReadLiveryList(variant_);
  thumbnail_.Clear();
  ShowEntryZero();
}

void LiveryManagerPage::OnRemove() {
  // The thumbnail shown may be of a livery about to go: nothing of it is held open.
  RemoveSelectedLiveries(variant_, window(), Item(IDC_LIVERY_LIST));
  thumbnail_.Clear();
  ShowEntryZero();
}

void LiveryManagerPage::OnSort() {
  if (variant_ < 0) return;
  SortLiveryEntries(variant_);
  ReadLiveryList(variant_);
  thumbnail_.Clear();
  ShowEntryZero();
}

void LiveryManagerPage::OnContextMenu(HWND from, LPARAM where) {
  HWND list = Item(IDC_LIVERY_LIST);
  if (from != list || variant_ < 0 || SendMessageA(list, LB_GETCOUNT, 0, 0) <= 0) return;
  POINT screen = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) {
    // From the keyboard: at the current item.
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, WPARAM(SendMessageA(list, LB_GETCARETINDEX, 0, 0)),
                 reinterpret_cast<LPARAM>(&item));
    screen = {item.left + 8, item.bottom};
    ClientToScreen(list, &screen);
  } else {
    // A right click acts on the item under the pointer, as a left click would.
    POINT client = screen;
    ScreenToClient(list, &client);
    LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(hit) == 0 && SendMessageA(list, LB_GETSEL, LOWORD(hit), 0) <= 0) {
      SendMessageA(list, LB_SETSEL, FALSE, -1);
      SendMessageA(list, LB_SETSEL, TRUE, LOWORD(hit));
      SendMessageA(list, LB_SETCARETINDEX, LOWORD(hit), FALSE);
      OnSelectionChanged();
    }
    SetFocus(list);
  }
  LRESULT current = SendMessageA(list, LB_GETCARETINDEX, 0, 0);
  if (current < 0 || SendMessageA(list, LB_GETSELCOUNT, 0, 0) <= 0) return;
  win::MenuHandle menu(LoadMenuA(ModuleInstance(), MAKEINTRESOURCEA(IDM_LIVERY_MENU)));
  if (!menu.valid()) return;
  TrackPopupMenu(GetSubMenu(menu.get(), 0), TPM_RIGHTBUTTON, screen.x, screen.y, 0, window(), nullptr);
}

void LiveryManagerPage::OnCommand(int id, int code) {
  switch (id) {
    case IDC_LIVERY_VARIANT:
      if (code == CBN_SELENDOK) OnVariantChosen();
      if (code == CBN_CLOSEUP && Host() != nullptr && Host()->isWindowsXp) {
        ShowWindow(Item(IDC_LIVERY_VARIANT), SW_HIDE);
        ShowWindow(Item(IDC_LIVERY_VARIANT), SW_SHOW);
      }
      break;
    case IDC_LIVERY_FILTER:
      if (code == EN_CHANGE) OnFilterChanged();
      break;
    case IDC_LIVERY_LIST:
      if (code == LBN_SELCHANGE) OnSelectionChanged();
      break;
    case IDC_LIVERY_INSTALL:
      if (code == STN_CLICKED) OnInstall();
      break;
    case IDC_LIVERY_REMOVE:
      if (code == STN_CLICKED) OnRemove();
      break;
    case IDM_EXPORT_LIVERY:
      ExportSelectedLiveries(variant_, window(), EntriesOf(SelectedLiveries(Item(IDC_LIVERY_LIST))));
      break;
    case IDM_REMOVE_LIVERY:
      OnRemove();
      break;
    case IDM_SORT_BY_NAME:
      OnSort();
      break;
  }
}

void LiveryManagerPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
  switch (item.CtlID) {
    case IDC_LIVERY_VARIANT:
      selector_.Draw(item);
      break;
    case IDC_LIVERY_INSTALL:
      DrawButtonImage(item, install_);
      break;
    case IDC_LIVERY_REMOVE:
      DrawButtonImage(item, remove_);
      break;
    case IDC_LIVERY_HEADER: {
      Gdiplus::Graphics graphics(item.hDC);
      graphics.Clear(Gdiplus::Color(0xFFF1F1F1));
      if (header_) graphics.DrawImage(header_.get(), item.rcItem.left, item.rcItem.top, header_.width(), header_.height());
      break;
    }
    case IDC_LIVERY_THUMBNAIL:
      thumbnail_.Show(IsLiverySelected() ? LiveryThumbnailPath() : "");
      DrawThumbnail(item.hDC, item.rcItem, IsLiverySelected() ? thumbnail_.bitmap() : nullptr);
      break;
  }
}

INT_PTR LiveryManagerPage::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitialise();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w));
      return TRUE;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(w), l);
      return TRUE;
    case WM_MEASUREITEM:
      if (w == IDC_LIVERY_VARIANT) selector_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(l));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(l) == Item(IDC_LIVERY_DESCRIPTION)) {
        SetBkColor(reinterpret_cast<HDC>(w), RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(white_.get());
      }
      SetBkColor(reinterpret_cast<HDC>(w), kPageColour);
      return reinterpret_cast<INT_PTR>(background_.get());
  }
  return FALSE;
}

}  // namespace zelva::module
