#include "ProductWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include "FixedText.h"
#include "ModuleContext.h"
#include "ModuleImages.h"
#include "ModuleResources.h"

namespace zelva::module {
namespace {

constexpr int kLinkTop = 84;
constexpr int kLinkLeftX = 20;
constexpr int kLinkRightX = 690;
constexpr int kLinkWidth = 110;
constexpr int kLinkHeight = 30;
constexpr UINT_PTR kHandCursorSubclass = 1014;

LRESULT CALLBACK HandCursorProcedure(HWND button, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  if (message == WM_SETCURSOR) {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(button, &HandCursorProcedure, kHandCursorSubclass);
  return DefSubclassProc(button, message, w, l);
}

void Place(HWND window, const Box& box) {
  SetWindowPos(window, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetBar(HWND bar, int limit, int position) {
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = limit + kScrollBarPage - 1;
  info.nPage = kScrollBarPage;
  info.nPos = position;
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

ScrollAction ActionOf(int code) {
  switch (code) {
    case SB_LINEUP:
      return ScrollAction::kLineBack;
    case SB_LINEDOWN:
      return ScrollAction::kLineForward;
    case SB_PAGEUP:
      return ScrollAction::kPageBack;
    case SB_PAGEDOWN:
      return ScrollAction::kPageForward;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return ScrollAction::kThumb;
    default:
      return ScrollAction::kNone;
  }
}

}  // namespace

bool ProductWindow::Create(HWND parent) {
  Destroy();
  parent_ = parent;
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_PRODUCT_WINDOW), parent, &ProductWindow::DialogProcedure,
                         reinterpret_cast<LPARAM>(this)) == nullptr)
    return false;
  SetWindowSubclass(Item(IDC_LINK_BUTTON), &HandCursorProcedure, kHandCursorSubclass, 0);
  RECT client = {};
  GetClientRect(parent_, &client);
  SetWindowPos(window(), nullptr, 1, 7, client.right - 3, client.bottom - 10, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(parent_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  ShowWindow(window(), SW_SHOW);
  return true;
}

void ProductWindow::Destroy() {
  page_.reset();
  DestroyWindowNow();
  currentPage_ = kNoPage;
}

void ProductWindow::ShowPage(int page) {
  Log("\n%s - Showing page %d\n", Product().shortName, page);
  SetLink(nullptr, LinkPlacement::kLeft);
  CallHost(kHostCloseDocument);

  page_.reset();
  page_ = CreatePage(page, Item(IDC_PAGE_AREA), window());
  if (!page_) {
    // Nothing to scroll any more.
    pageWidth_ = pageHeight_ = 0;
    Layout();
    return;
  }
  SetHeaderImage(FindPage(page)->headerImage);
  ShowWindow(page_->window(), SW_SHOW);
  RECT extent = {};
  GetClientRect(page_->window(), &extent);
  pageWidth_ = extent.right;
  pageHeight_ = extent.bottom;
  horizontalPosition_ = verticalPosition_ = 0;
  SetScrollPos(Item(IDC_HORIZONTAL_BAR), SB_CTL, 0, TRUE);
  SetScrollPos(Item(IDC_VERTICAL_BAR), SB_CTL, 0, TRUE);
  Nudge();
  currentPage_ = page;
}

void ProductWindow::SetHeaderImage(int resource) {
  HWND header = Item(IDC_HEADER);
  if (resource == 0) {
    header_.Release();
    headerOn_ = false;
    ShowWindow(header, SW_HIDE);
    Nudge();
    return;
  }
  header_.Load(resource, ModuleInstance());
  if (!headerOn_) {
    headerOn_ = true;
    ShowWindow(header, SW_SHOW);
    Layout();
  }
  InvalidateRect(header, nullptr, FALSE);
}

void ProductWindow::SetLink(const char* address, LinkPlacement placement) {
  HWND button = Item(IDC_LINK_BUTTON);
  if (address == nullptr) {
    ShowWindow(button, SW_HIDE);
    return;
  }
  text::CopyBounded(link_, address);
  const images::PngImage& face = SharedImages().buyButton;
  int width = face ? face.width() : kLinkWidth, height = face ? face.height() : kLinkHeight;
  int x = placement == LinkPlacement::kRight ? kLinkRightX : kLinkLeftX;
  // Above the header it sits on.
  SetWindowPos(button, HWND_TOP, x, kLinkTop, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(button, nullptr, FALSE);
}

void ProductWindow::FollowParent() {
  if (window() == nullptr) return;
  RECT client = {};
  GetClientRect(parent_, &client);
  SetWindowPos(window(), nullptr, 1, 7, client.right - 3, client.bottom - 10, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
}

void ProductWindow::Nudge() {
  RECT r = {};
  GetWindowRect(window(), &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(window(), nullptr, 0, 0, width + 1, height, flags);
  SetWindowPos(window(), nullptr, 0, 0, width, height, flags);
}

void ProductWindow::Layout() {
  if (window() == nullptr) return;
  RECT client = {};
  GetClientRect(parent_, &client);
  FrameInput input;
  input.width = client.right;
  input.height = client.bottom;
  input.headerOn = headerOn_;
  input.pageWidth = page_ ? pageWidth_ : 0;
  input.pageHeight = page_ ? pageHeight_ : 0;
  input.horizontalPosition = horizontalPosition_;
  input.verticalPosition = verticalPosition_;
  layout_ = LayOutFrame(input);
  horizontalPosition_ = layout_.horizontalPosition;
  verticalPosition_ = layout_.verticalPosition;

  if (headerOn_) {
    Place(Item(IDC_HEADER), layout_.header);
    // The image is stretched to the control, so all of it changes with its size.
    InvalidateRect(Item(IDC_HEADER), nullptr, FALSE);
  }
  HWND horizontal = Item(IDC_HORIZONTAL_BAR), vertical = Item(IDC_VERTICAL_BAR);
  if (layout_.scrolling) {
    SetBar(vertical, layout_.verticalLimit, verticalPosition_);
    SetBar(horizontal, layout_.horizontalLimit, horizontalPosition_);
    Place(vertical, layout_.verticalBar);
    Place(horizontal, layout_.horizontalBar);
    ShowWindow(vertical, SW_SHOW);
    ShowWindow(horizontal, layout_.horizontalShown ? SW_SHOW : SW_HIDE);
  } else {
    ShowWindow(vertical, SW_HIDE);
    ShowWindow(horizontal, SW_HIDE);
  }
  Place(Item(IDC_PAGE_AREA), layout_.pageArea);
  MovePage(layout_);
}

void ProductWindow::MovePage(const FrameLayout& layout) {
  if (!page_) return;
  SetWindowPos(page_->window(), nullptr, -horizontalPosition_, -verticalPosition_, layout.page.width,
               layout.page.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ProductWindow::OnScroll(int barId, int code) {
  if (!layout_.scrolling) return;
  bool vertical = barId == IDC_VERTICAL_BAR;
  HWND bar = Item(barId);
  int thumb = 0;
  ScrollAction action = ActionOf(code);
  if (action == ScrollAction::kThumb) {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(bar, SB_CTL, &info);
    thumb = info.nTrackPos;
  }
  int& position = vertical ? verticalPosition_ : horizontalPosition_;
  position = ScrollTo(position, action, vertical ? layout_.verticalLimit : layout_.horizontalLimit, thumb);
  SetScrollPos(bar, SB_CTL, position, TRUE);
  MovePage(layout_);
}

void ProductWindow::OnWheel(int delta) {
  if (!layout_.scrolling) return;
  verticalPosition_ = ScrollTo(verticalPosition_, WheelAction(delta), layout_.verticalLimit);
  SetScrollPos(Item(IDC_VERTICAL_BAR), SB_CTL, verticalPosition_, TRUE);
  MovePage(layout_);
}

void ProductWindow::DrawHeader(const DRAWITEMSTRUCT& item) {
  const RECT& r = item.rcItem;
  Gdiplus::Graphics graphics(item.hDC);
  graphics.Clear(Gdiplus::Color(0xFF, GetRValue(kPageColour), GetGValue(kPageColour), GetBValue(kPageColour)));
  if (!header_) return;
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
  graphics.DrawImage(header_.get(), Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void ProductWindow::DrawLinkButton(const DRAWITEMSTRUCT& item) {
  const RECT& r = item.rcItem;
  const images::PngImage& face = SharedImages().buyButton;
  if (face) {
    Gdiplus::Graphics graphics(item.hDC);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.DrawImage(face.get(), Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top));
    return;
  }
  FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(item.hDC, TRANSPARENT);
  RECT text = r;
  DrawTextA(item.hDC, "Buy Now", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void ProductWindow::OpenLink() {
  if (link_[0] != '\0') ShellExecuteA(window(), "open", link_, nullptr, nullptr, SW_SHOWDEFAULT);
}

INT_PTR ProductWindow::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      return FALSE;
    case WM_SHOWWINDOW:
      if (w && !shownOnce_) {
        shownOnce_ = true;
        ShowPage(0);
      }
      return FALSE;
    case WM_SIZE:
      Layout();
      return TRUE;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (l != 0) OnScroll(GetDlgCtrlID(reinterpret_cast<HWND>(l)), LOWORD(w));
      return TRUE;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(w));
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (item.CtlID == IDC_HEADER) DrawHeader(item);
      if (item.CtlID == IDC_LINK_BUTTON) DrawLinkButton(item);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(w) == IDC_LINK_BUTTON && HIWORD(w) == BN_CLICKED) OpenLink();
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(w), kPageColour);
      return reinterpret_cast<INT_PTR>(background_.get());
    case kShowPageMessage:
      ShowPage(int(w));
      return TRUE;
  }
  return FALSE;
}

}  // namespace zelva::module
