#include "DownloadPanel.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "Download.h"
#include "DownloadManager.h"
#include "Gdi.h"
#include "GdiplusInclude.h"
#include "HostCommands.h"
#include "PngResource.h"
#include "SharedDrawing.h"
#include "WideText.h"

namespace zelva::downloads {
namespace {

using namespace Gdiplus;

enum ImageIndex { kTroughLeft, kTroughCenter, kTroughRight, kFillStart, kFillLight, kFillDark, kFillEnd, kButton };

// Text right of the download mark; the bar and the Cancel button share the bottom row.
constexpr int kTextLeft = 112;
constexpr int kMargin = 24;
constexpr int kButtonWidth = 150, kButtonHeight = 32, kButtonTop = 98, kButtonGap = 14;
constexpr int kBarTop = 104, kFillInset = 3;
constexpr ARGB kPageColour = 0xFFF1F1F1, kCardColour = 0xFFFFFFFF, kBorderColour = 0xFFD6DAE1;
constexpr ARGB kAccentColour = 0xFF2D3A53, kTextColour = 0xFF1F2633, kMutedColour = 0xFF5C6677;
constexpr ARGB kNoticeColour = 0xFF2F5C9E;
constexpr char kUpdateNotice[] = "Product is being updated.\nThis message will clear when the update is completed...";

CDownload* DownloadOf(HWND window) { return reinterpret_cast<CDownload*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

Bitmap* Image(const CDownload& download, ImageIndex index) {
  return images::BitmapOf(const_cast<CDownload&>(download).data().images[index]);
}

void DrawLine(Graphics& graphics, const std::string& text, const Font& font, ARGB colour, const RectF& box,
              StringAlignment alignment = StringAlignmentNear, bool wrap = false) {
  std::wstring wide = win::WideFromAnsi(text.c_str());
  if (wide.empty()) return;
  StringFormat format(wrap ? 0 : StringFormatFlagsNoWrap);
  format.SetAlignment(alignment);
  format.SetTrimming(StringTrimmingEllipsisCharacter);
  SolidBrush brush{Color(colour)};
  graphics.DrawString(wide.c_str(), -1, &font, box, &format, &brush);
}

// Draws image over [x, x + width) by repeating it, the last copy cut off.
void Tile(Graphics& graphics, Bitmap* image, int x, int y, int width) {
  if (image == nullptr || width <= 0) return;
  const int step = int(image->GetWidth()), height = int(image->GetHeight());
  if (step <= 0) return;
  Region previous;
  graphics.GetClip(&previous);
  graphics.SetClip(Rect(x, y, width, height), CombineModeIntersect);
  for (int at = x; at < x + width; at += step) graphics.DrawImage(image, at, y, step, height);
  graphics.SetClip(&previous);
}

void DrawImageAt(Graphics& graphics, Bitmap* image, int x, int y) {
  if (image != nullptr) graphics.DrawImage(image, x, y, int(image->GetWidth()), int(image->GetHeight()));
}

// The trough, then the fill: start, light and dark tiles by threes, end.
void DrawProgressBar(Graphics& graphics, const CDownload& download, int x, int width) {
  const DownloadObjectData& data = const_cast<CDownload&>(download).data();
  Bitmap* left = Image(download, kTroughLeft);
  Bitmap* right = Image(download, kTroughRight);
  const int leftWidth = left ? int(left->GetWidth()) : 0, rightWidth = right ? int(right->GetWidth()) : 0;
  DrawImageAt(graphics, left, x, kBarTop);
  Tile(graphics, Image(download, kTroughCenter), x + leftWidth, kBarTop, width - leftWidth - rightWidth);
  DrawImageAt(graphics, right, x + width - rightWidth, kBarTop);

  const uint32_t expected = data.bytesExpected, received = data.bytesReceived;
  if (expected == 0 || received == 0) return;
  const double fraction = std::min(1.0, double(received) / double(expected));
  const int room = width - 2 * kFillInset;
  const int fill = int(room * fraction);
  Bitmap* start = Image(download, kFillStart);
  Bitmap* end = Image(download, kFillEnd);
  const int startWidth = start ? int(start->GetWidth()) : 0, endWidth = end ? int(end->GetWidth()) : 0;
  if (fill < startWidth + endWidth) return;
  const int fillX = x + kFillInset, fillY = kBarTop + kFillInset;
  DrawImageAt(graphics, start, fillX, fillY);
  Bitmap* light = Image(download, kFillLight);
  Bitmap* dark = Image(download, kFillDark);
  const int tilesEnd = fillX + fill - endWidth;
  int index = 0;
  for (int at = fillX + startWidth; at < tilesEnd; ++index) {
    Bitmap* tile = (index / 3) % 2 == 0 ? light : dark;
    const int step = tile != nullptr ? int(tile->GetWidth()) : 8;
    Tile(graphics, tile, at, fillY, std::min(step, tilesEnd - at));
    at += step;
  }
  DrawImageAt(graphics, end, tilesEnd, fillY);
}

// A circle with an arrow pointing down into a tray.
void DrawDownloadMark(Graphics& graphics) {
  const REAL cx = 56, cy = 52, radius = 30;
  SolidBrush disc{Color(kAccentColour)};
  graphics.FillEllipse(&disc, cx - radius, cy - radius, 2 * radius, 2 * radius);
  Pen pen{Color(0xFFFFFFFF), 4.0f};
  pen.SetStartCap(LineCapRound);
  pen.SetEndCap(LineCapRound);
  pen.SetLineJoin(LineJoinRound);
  graphics.DrawLine(&pen, cx, cy - 16, cx, cy + 6);
  PointF head[] = {PointF(cx - 9, cy - 3), PointF(cx, cy + 6), PointF(cx + 9, cy - 3)};
  graphics.DrawLines(&pen, head, 3);
  PointF tray[] = {PointF(cx - 15, cy + 8), PointF(cx - 15, cy + 15), PointF(cx + 15, cy + 15), PointF(cx + 15, cy + 8)};
  graphics.DrawLines(&pen, tray, 4);
}

void PaintPanel(HWND window, HDC target, const CDownload& download) {
  RECT client;
  GetClientRect(window, &client);
  const int width = std::max<int>(client.right, 1), height = std::max<int>(client.bottom, 1);
  Bitmap canvas(width, height, PixelFormat32bppARGB);
  {
    Graphics graphics(&canvas);
    skin::PrepareGraphics(graphics);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.Clear(Color(kPageColour));
    SolidBrush card{Color(kCardColour)};
    graphics.FillRectangle(&card, 0, 0, width - 1, height - 1);
    Pen border{Color(kBorderColour)};
    graphics.DrawRectangle(&border, 0, 0, width - 1, height - 1);
    SolidBrush accent{Color(kAccentColour)};
    graphics.FillRectangle(&accent, 0, 0, 4, height);
    DrawDownloadMark(graphics);

    const REAL textWidth = REAL(std::max(width - kTextLeft - kMargin, 1));
    auto titleFont = skin::NewHostFont(15.0f, FontStyleBold);
    auto textFont = skin::NewHostFont(13.0f);
    const CDownload& d = download;
    if (titleFont) DrawLine(graphics, d.request().title, *titleFont, kTextColour, RectF(kTextLeft, 16, textWidth, 22));
    const float rate = d.Rate();
    if (textFont) {
      DrawLine(graphics, d.Status(), *textFont, kMutedColour, RectF(kTextLeft, 42, textWidth, 20));
      // Only a product's updater: other downloads leave the product alone.
      if (rate > -0.1f && d.IsProductUpdater())
        DrawLine(graphics, kUpdateNotice, *textFont, kNoticeColour, RectF(kTextLeft, 64, textWidth, 34),
                 StringAlignmentNear, true);
    }
    DrawProgressBar(graphics, download, kMargin, std::max(width - 2 * kMargin - kButtonWidth - kButtonGap, 40));
  }
  Graphics screen(target);
  screen.DrawImage(&canvas, 0, 0, width, height);
}

void DrawCancelButton(const DRAWITEMSTRUCT& item, const CDownload& download) {
  const int width = item.rcItem.right - item.rcItem.left, height = item.rcItem.bottom - item.rcItem.top;
  if (width <= 0 || height <= 0) return;
  Bitmap canvas(width, height, PixelFormat32bppARGB);
  {
    Graphics graphics(&canvas);
    skin::PrepareGraphics(graphics);
    graphics.Clear(Color(kCardColour));
    Bitmap* face = Image(download, kButton);
    if (face != nullptr) graphics.DrawImage(face, 0, 0, width, height);
    auto font = skin::NewHostFont(14.0f, FontStyleBold);
    if (font) {
      StringFormat format;
      format.SetAlignment(StringAlignmentCenter);
      format.SetLineAlignment(StringAlignmentCenter);
      SolidBrush white{Color(0xFFFFFFFF)};
      graphics.DrawString(download.cancelled() ? L"Aborting" : L"Cancel", -1, font.get(),
                          RectF(0, 0, REAL(width), REAL(height)), &format, &white);
    }
  }
  Graphics screen(item.hDC);
  screen.DrawImage(&canvas, int(item.rcItem.left), int(item.rcItem.top), width, height);
}

void PlaceCancelButton(HWND window, CDownload& download) {
  HWND button = download.data().cancelButton.window;
  if (button == nullptr) return;
  RECT client;
  GetClientRect(window, &client);
  SetWindowPos(button, nullptr, std::max<int>(client.right - kMargin - kButtonWidth, kTextLeft), kButtonTop, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool OnCreate(HWND window, const CREATESTRUCTA& creation) {
  const auto* record = static_cast<const PanelRecord*>(creation.lpCreateParams);
  if (record == nullptr) return false;
  CDownload* download = nullptr;
  std::memcpy(&download, record->producerData, sizeof(download));
  if (!IsLiveDownload(download)) return false;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(download));
  DownloadObjectData& data = download->data();
  data.panelWindow = window;
  SetTimer(window, kPanelTimer, kPanelTimerMs, nullptr);
  HoverButtonDescription button = {window, kCancelButtonId, 0, kButtonTop, kButtonWidth, kButtonHeight};
  host::HostCommand(kHostCreateHoverButton, reinterpret_cast<const char*>(&button), &data.cancelButton);
  PlaceCancelButton(window, *download);
  return true;
}

void OnTimer(HWND window, CDownload& download) {
  if (download.state() == kDownloadQueued) return;
  // A module cancels by setting the flag in place; the transfer may report
  // nothing for a while to be stopped by.
  if (download.cancelled()) download.StopTransfer();
  download.CatchUpWithCacheFile();
  download.FeedRate(download.data().bytesReceived);
  InvalidateRect(window, nullptr, FALSE);
}

void OnDestroy(HWND window, CDownload& download) {
  KillTimer(window, kPanelTimer);
  DownloadObjectData& data = download.data();
  if (data.panelWindow == window) data.panelWindow = nullptr;
  data.cancelButton.window = nullptr;
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

LRESULT HandleMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_CREATE) return OnCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(l)) ? 0 : -1;
  CDownload* download = DownloadOf(window);
  if (download == nullptr) return DefWindowProcA(window, message, w, l);
  switch (message) {
    case WM_TIMER:
      if (w == kPanelTimer) OnTimer(window, *download);
      return 0;
    case WM_SIZE:
      PlaceCancelButton(window, *download);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      win::PaintScope paint(window);
      PaintPanel(window, paint.dc(), *download);
      return 0;
    }
    case WM_DRAWITEM:
      if (w == kCancelButtonId) DrawCancelButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(l), *download);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(w) == kCancelButtonId && HIWORD(w) == STN_CLICKED) CancelDownload(*download);
      return 0;
    case WM_DESTROY:
      OnDestroy(window, *download);
      return 0;
    default:
      return DefWindowProcA(window, message, w, l);
  }
}

}  // namespace

LRESULT CALLBACK DownloadPanelProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  try {
    return HandleMessage(window, message, w, l);
  } catch (...) {
    if (message == WM_CREATE) return -1;
    if (message == WM_PAINT) ValidateRect(window, nullptr);
    return message == WM_PAINT ? 0 : DefWindowProcA(window, message, w, l);
  }
}

void RedrawPanel(CDownload& download) {
  DownloadObjectData& data = download.data();
  if (data.panelWindow != nullptr) InvalidateRect(data.panelWindow, nullptr, FALSE);
  if (data.cancelButton.window != nullptr) InvalidateRect(data.cancelButton.window, nullptr, FALSE);
}

}  // namespace zelva::downloads
