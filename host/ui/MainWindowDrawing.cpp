// Layout and drawing of the main window.
#include <cstdio>
#include <memory>
#include <string>

#include "HostResources.h"
#include "HostState.h"
#include "MainWindow.h"
#include "NotificationText.h"
#include "SharedDrawing.h"

namespace zelva::ui {
namespace {

constexpr Gdiplus::ARGB kBackgroundColour = 0xFF2D3A53;

// Design distances grow with the screen's dpi.
int Scaled(double distance, double factor) { return int(distance / (factor > 0 ? factor : 1.0)); }

RECT ControlRect(HWND window, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

void MainWindow::ComposeBackground() {
  using namespace Gdiplus;
  RECT client;
  GetClientRect(window(), &client);
  int width = client.right > 0 ? client.right : 1, height = client.bottom > 0 ? client.bottom : 1;
  auto canvas = std::make_unique<Bitmap>(width, height, PixelFormat32bppARGB);
  {
    Graphics g(canvas.get());
    skin::PrepareGraphics(g);
    g.Clear(Color(kBackgroundColour));
    const skin::SharedDrawing& drawing = skin::Drawing();
    if (drawing.background)
      g.DrawImage(drawing.background.get(), 0, 0, drawing.background.width(), drawing.background.height());
    if (drawing.sidePanel)
      g.DrawImage(drawing.sidePanel.get(), 23, 249, drawing.sidePanel.width(), drawing.sidePanel.height());
    if (logo_) g.DrawImage(logo_.get(), 10, 10, logo_.width(), logo_.height());
    if (title_) g.DrawImage(title_.get(), (width - title_.width()) / 2, 24, title_.width(), title_.height());
  }
  background_ = std::move(canvas);
}

void MainWindow::Layout(WPARAM, LPARAM size) {
  const HostContext& context = host::Context();
  int width = LOWORD(size), height = HIWORD(size);
  double sx = context.scaleX, sy = context.scaleY;
  auto place = [&](int id, double fromRight, const images::PngImage& image) {
    SetWindowPos(GetDlgItem(window(), id), nullptr, width - Scaled(fromRight, sx), Scaled(15, sy), image.width(),
                 image.height(), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(IDC_CLOSE, 45, close_);
  place(IDC_MANUAL, 85, manual_);
  place(IDC_HOME, 125, home_);
  // 20 further left than the design distance: the count text needs the
  // balloon 180 wide, and it must clear the home button.
  place(IDC_NOTIFICATIONS, 310, notifications_);

  HWND frame = GetDlgItem(window(), IDC_CONTENT_FRAME);
  int frameWidth = width - Scaled(275, sx), frameHeight = height - Scaled(75, sy);
  SetWindowPos(frame, nullptr, 0, 0, frameWidth, frameHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(GetDlgItem(window(), IDC_CONTENT_AREA), nullptr, 0, 0, frameWidth - 6, frameHeight - 12,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (current_ != nullptr && current_->command != nullptr) {
    current_->command(kModuleResize, INT_PTR(SIZE_RESTORED), INT_PTR(size));
  }
  ComposeBackground();
  InvalidateRect(window(), nullptr, FALSE);
}

void MainWindow::Paint() {
  win::PaintScope paint(window());
  HDC dc = paint.dc();
  if (background_) {
    Gdiplus::Graphics g(dc);
    g.DrawImage(background_.get(), 0, 0);
  }
}

void MainWindow::DrawBackgroundPiece(Gdiplus::Graphics& graphics, HWND control) {
  if (!background_) return;
  RECT r = ControlRect(window(), control);
  graphics.DrawImage(background_.get(), Gdiplus::Rect(0, 0, r.right - r.left, r.bottom - r.top), r.left, r.top,
                     r.right - r.left, r.bottom - r.top, Gdiplus::UnitPixel);
}

void MainWindow::DrawButton(const DRAWITEMSTRUCT& item) {
  using namespace Gdiplus;
  Graphics g(item.hDC);
  skin::PrepareGraphics(g);
  const RECT& r = item.rcItem;
  if (item.CtlID == IDC_CONTENT_FRAME) {
    SolidBrush page(Color(0xFFF1F1F1));
    g.FillRectangle(&page, Rect(r.left, r.top, r.right - r.left, r.bottom - r.top));
    Pen edge(Color(0xFF1F2940));
    g.DrawRectangle(&edge, Rect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1));
    return;
  }
  DrawBackgroundPiece(g, item.hwndItem);
  const images::PngImage* image = item.CtlID == IDC_CLOSE    ? &close_
                                : item.CtlID == IDC_HOME   ? &home_
                                : item.CtlID == IDC_MANUAL ? &manual_
                                                           : &notifications_;
  Rect box(r.left, r.top, r.right - r.left, r.bottom - r.top);
  if (*image) g.DrawImage(image->get(), box);
  if (item.CtlID != IDC_NOTIFICATIONS) return;

  char count[24] = {};
  GetWindowTextA(item.hwndItem, count, sizeof(count));
  std::string text = NotificationText(count);
  std::unique_ptr<Font> font(skin::NewHostFont(12.0f));
  const skin::SharedDrawing& drawing = skin::Drawing();
  if (font && drawing.white)
    // Centred on the balloon itself: a box running past its right end put
    // the longer count texts' last letters onto the rounded edge.
    skin::DrawText(g, text.c_str(), *font, *drawing.white,
                   RectF(float(r.left), float(r.top + 5), float(r.right - r.left), 20.0f), StringAlignmentCenter);
}

void MainWindow::MeasureItem(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlID != IDC_PRODUCT_LIST) {
    measure.itemHeight = 32;
  } else {
    measure.itemHeight = measure.itemID == UINT(-1) ? 27 : 20;
  }
}

void MainWindow::DrawProductListItem(const DRAWITEMSTRUCT& item) {
  HWND list = item.hwndItem;
  if (item.itemID == UINT(-1) || (item.itemState & ODS_COMBOBOXEDIT)) {
    {
      Gdiplus::Graphics g(item.hDC);
      DrawBackgroundPiece(g, list);
    }
    LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    std::string text;
    if (selected < 0) {
      text = "Please select a product";
    } else if (selected > 0) {
      LRESULT slot = SendMessageA(list, CB_GETITEMDATA, WPARAM(selected), 0);
      if (slot >= 0 && slot < host::ProductModuleCount()) text = host::ProductModuleAt(int(slot)).info.displayName;
    }
    skin::DrawListFace(item.hDC, item.rcItem, listSkin_, text.c_str(), 15.0f, 5.0f, 200.0f, 20.0f);
    return;
  }
  int count = int(SendMessageA(list, CB_GETCOUNT, 0, 0));
  skin::ListItemKind kind = item.itemID == 0                ? skin::ListItemKind::kTopCap
                            : int(item.itemID) == count - 1 ? skin::ListItemKind::kBottomCap
                                                            : skin::ListItemKind::kMiddle;
  std::string text;
  bool grey = false;
  if (kind == skin::ListItemKind::kMiddle) {
    LRESULT slot = SendMessageA(list, CB_GETITEMDATA, item.itemID, 0);
    if (slot >= 0 && slot < host::ProductModuleCount()) {
      text = host::ProductModuleAt(int(slot)).info.displayName;
      grey = host::ProductModuleAt(int(slot)).info.installed == 0;
    }
  }
  skin::DrawListItem(item, listSkin_, kind, text.c_str(), grey, 0);
}

}  // namespace zelva::ui
