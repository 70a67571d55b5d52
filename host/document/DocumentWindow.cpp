#include "DocumentWindow.h"

#include <commctrl.h>

#include <memory>

#include "DocumentService.h"
#include "EmbeddedBrowser.h"
#include "FallbackViews.h"
#include "Gdi.h"
#include "HostResources.h"
#include "HostState.h"
#include "NamedImages.h"
#include "SharedDrawing.h"
#include "TextDocument.h"

namespace zelva::document {
namespace {

constexpr int kMargin = 13;
constexpr int kContentTop = 50;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 32;
constexpr int kButtonTop = 9;
constexpr int kTextPixels = 15;
constexpr int kLineHeight = 24;
constexpr Gdiplus::ARGB kPage = 0xFFF1F1F1;

// A GDI font of the host's family, for the standard controls.
HFONT CreateHostGdiFont(int pixels) {
  wchar_t family[LF_FACESIZE] = L"Arial";
  if (const Gdiplus::FontFamily* shared = skin::Drawing().family.get()) shared->GetFamilyName(family);
  return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, family);
}

}  // namespace

INT_PTR DocumentWindow::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise();
      return FALSE;
    case kOpenDocumentMessage:
      Open(reinterpret_cast<const wchar_t*>(l));
      return TRUE;
    case WM_SIZE:
      Layout();
      return TRUE;
    case WM_ERASEBKGND:
      return DialogResult(1);
    case WM_PAINT:
      Paint();
      return TRUE;
    case WM_DRAWITEM:
      if (w == IDOK) DrawBackButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(brush_.get());
    case WM_CTLCOLORSTATIC:
      if (GetDlgCtrlID(reinterpret_cast<HWND>(l)) == kTextViewId) {
        SetBkColor(reinterpret_cast<HDC>(w), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
      }
      SetBkColor(reinterpret_cast<HDC>(w), RGB(241, 241, 241));
      return reinterpret_cast<INT_PTR>(brush_.get());
    case WM_NOTIFY:
      OnViewerLineNotify(window(), *reinterpret_cast<const NMHDR*>(l), path_.c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
        CloseDocument();  // destroys this object: nothing may follow
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      RemoveRenderer();
      return TRUE;
    case WM_NCDESTROY:
      DocumentWindowGone(window());  // the window deletes this object next
      return TRUE;
  }
  return FALSE;
}

void DocumentWindow::Initialise() {
  HINSTANCE instance = host::Context().hostInstance ? host::Context().hostInstance : GetModuleHandleA(nullptr);
  titleBar_.Load(IDB_DOCUMENT_TITLE_BAR, instance);
  button_.Load(skin::FindNamedImage("Large Button"), instance);
  brush_.reset(CreateSolidBrush(RGB(241, 241, 241)));
  textFont_.reset(CreateHostGdiFont(kTextPixels));
}

RECT DocumentWindow::ContentArea() const {
  RECT client;
  GetClientRect(window(), &client);
  return {kMargin, kContentTop, client.right - kMargin, client.bottom - kMargin};
}

void DocumentWindow::Open(const wchar_t* path) {
  RemoveRenderer();
  path_ = path ? path : L"";
  RECT area = ContentArea();
  if (HtmlEngineAvailable() && EmbedBrowser(window(), path_.c_str(), area) == 0) {
    renderer_ = Renderer::kBrowser;
  } else if (IsTextDocument(path_.c_str()) &&
             (view_ = CreateTextView(window(), area, path_.c_str(), textFont_.get())) != nullptr) {
    renderer_ = Renderer::kText;
    SetFocus(view_);
  } else {
    area.bottom = area.top + kLineHeight;
    area.top += 10;
    area.bottom += 10;
    view_ = CreateViewerLine(window(), area, path_.c_str(), textFont_.get());
    renderer_ = view_ ? Renderer::kViewerLine : Renderer::kNone;
  }
}

void DocumentWindow::RemoveRenderer() {
  if (renderer_ == Renderer::kBrowser) RemoveBrowser();
  if (view_ != nullptr) DestroyWindow(view_);
  view_ = nullptr;
  renderer_ = Renderer::kNone;
}

void DocumentWindow::Layout() {
  RECT client;
  GetClientRect(window(), &client);
  SetWindowPos(GetDlgItem(window(), IDOK), nullptr, client.right - kMargin - kButtonWidth, kButtonTop, kButtonWidth,
               kButtonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT area = ContentArea();
  HWND content = renderer_ == Renderer::kBrowser ? BrowserContainer() : renderer_ == Renderer::kText ? view_ : nullptr;
  if (content != nullptr)
    SetWindowPos(content, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  else if (view_ != nullptr)
    SetWindowPos(view_, nullptr, area.left, area.top + 10, area.right - area.left, kLineHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window(), nullptr, FALSE);
}

void DocumentWindow::Paint() {
  using namespace Gdiplus;
  win::PaintScope paint(window());
  HDC dc = paint.dc();
  RECT client;
  GetClientRect(window(), &client);
  if (client.right > 0 && client.bottom > 0) {
    Bitmap canvas(client.right, client.bottom, PixelFormat32bppARGB);
    {
      Graphics g(&canvas);
      skin::PrepareGraphics(g);
      g.Clear(Color(kPage));
      const skin::SharedDrawing& drawing = skin::Drawing();
      // The main window's background as it lies under this window.
      HWND main = host::Context().mainWindow;
      if (drawing.background && main != nullptr) {
        POINT origin = {0, 0};
        MapWindowPoints(window(), main, &origin, 1);
        g.DrawImage(drawing.background.get(), -origin.x, -origin.y, drawing.background.width(),
                    drawing.background.height());
      }
      if (titleBar_) g.DrawImage(titleBar_.get(), Rect(0, 0, client.right, client.bottom));
      wchar_t title[256] = {};
      GetWindowTextW(window(), title, 256);
      if (drawing.large && drawing.black) {
        StringFormat format;
        g.DrawString(title, -1, drawing.large.get(), RectF(15, 14, REAL(client.right - 30), 30), &format, drawing.black.get());
      }
    }
    Graphics screen(dc);
    screen.DrawImage(&canvas, 0, 0);
  }
}

void DocumentWindow::DrawBackButton(const DRAWITEMSTRUCT& item) {
  using namespace Gdiplus;
  const RECT& r = item.rcItem;
  int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  Bitmap canvas(width, height, PixelFormat32bppARGB);
  {
    Graphics g(&canvas);
    skin::PrepareGraphics(g);
    g.Clear(Color(kPage));
    if (button_) g.DrawImage(button_.get(), Rect(0, 0, width, height));
    std::unique_ptr<Font> font(skin::NewHostFont(14.0f));
    SolidBrush white(Color(0xFFFFFFFF));
    if (font) skin::DrawText(g, "Back", *font, white, RectF(0, 3, REAL(width), REAL(height - 3)), StringAlignmentCenter);
  }
  Graphics screen(item.hDC);
  screen.DrawImage(&canvas, INT(r.left), INT(r.top));
}

}  // namespace zelva::document
