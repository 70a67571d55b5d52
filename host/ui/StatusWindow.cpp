#include "StatusWindow.h"

#include <atomic>
#include <exception>
#include <memory>
#include <thread>

#include "Gdi.h"
#include "Handles.h"
#include "HostResources.h"
#include "ObjectWindow.h"
#include "PngResource.h"
#include "SharedDrawing.h"

namespace zelva::ui {
namespace {

const HWND kEnded = reinterpret_cast<HWND>(INT_PTR(-1));
std::atomic<HWND> g_handle{nullptr};

class StatusWindow : public ui::ObjectWindow<StatusWindow> {
 public:
  // opened is set once the window exists.
  StatusWindow(HINSTANCE instance, HANDLE opened) : instance_(instance), opened_(opened) {}

  INT_PTR OnMessage(UINT message, WPARAM, LPARAM) {
    switch (message) {
      case WM_INITDIALOG:
        g_handle = window();
        // No system caption: the picture fills the whole window. The text
        // still names the window in the task list.
        SetWindowTextA(window(), "Loading ZELVA Hangardesk");
        SetEvent(opened_);
        background_.Load(168, instance_);
        emblem_.Load(170, instance_);
        spinner_.Load(169, instance_);
        if (background_) SetWindowPos(window(), nullptr, 0, 0, background_.width(), background_.height(),
                                      SWP_NOMOVE | SWP_NOZORDER);
        CenterOnScreen();
        SetTimer(window(), 0, 0, nullptr);
        return TRUE;
      case WM_TIMER:
        angle_ = (angle_ + 3) % 360;
        InvalidateRect(window(), nullptr, FALSE);
        return TRUE;
      case WM_ERASEBKGND:
        return DialogResult(1);
      case WM_PAINT:
        Paint();
        return TRUE;
      case WM_CLOSE:
        KillTimer(window(), 0);
        EndDialog(window(), 0);
        return TRUE;
      case WM_DESTROY:
        g_handle = nullptr;
        return TRUE;
    }
    return FALSE;
  }

 private:
  void CenterOnScreen() {
    RECT r;
    GetWindowRect(window(), &r);
    int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    SetWindowPos(window(), HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
  }

  void Paint() {
    using namespace Gdiplus;
    win::PaintScope paint(window());
    HDC dc = paint.dc();
    RECT client;
    GetClientRect(window(), &client);
    Bitmap canvas(client.right, client.bottom, PixelFormat32bppARGB);
    {
      Graphics g(&canvas);
      skin::PrepareGraphics(g);
      g.Clear(Color(0xFFEDEDED));
      if (background_) g.DrawImage(background_.get(), 0, 0, background_.width(), background_.height());
      if (emblem_) g.DrawImage(emblem_.get(), 216, 132, emblem_.width(), emblem_.height());
      if (spinner_) {
        float cx = 196.0f + spinner_.width() / 2.0f, cy = 113.0f + spinner_.height() / 2.0f;
        g.TranslateTransform(cx, cy);
        g.RotateTransform(float(angle_));
        g.DrawImage(spinner_.get(), -spinner_.width() / 2.0f, -spinner_.height() / 2.0f, float(spinner_.width()),
                    float(spinner_.height()));
        g.ResetTransform();
      }
      char text[256] = {};
      GetDlgItemTextA(window(), IDC_STATUS_TEXT, text, sizeof(text));
      std::unique_ptr<Font> font(skin::NewHostFont(14.0f));
      SolidBrush white(Color(0xFFFFFFFF));
      if (font) skin::DrawText(g, text, *font, white, RectF(46, 238, 382, 20), StringAlignmentCenter);
    }
    Graphics screen(dc);
    screen.DrawImage(&canvas, 0, 0);
  }

  HINSTANCE instance_;
  HANDLE opened_;
  images::PngImage background_, emblem_, spinner_;
  int angle_ = 0;
};

}  // namespace

void StartStatusWindow(HINSTANCE instance) {
  g_handle = nullptr;
  // Set by the window's thread once the window exists or it has given up;
  // shared, as that thread may outlive this call.
  auto opened = std::make_shared<win::KernelHandle>(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!*opened) return;  // start-up goes on without the status window
  try {
    std::thread([instance, opened] {
      StatusWindow window(instance, opened->get());
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_STATUS), nullptr, &StatusWindow::DialogProcedure,
                      reinterpret_cast<LPARAM>(&window));
      g_handle = kEnded;
      SetEvent(opened->get());
    }).detach();
  } catch (const std::exception&) {
    return;
  }
  WaitForSingleObject(opened->get(), INFINITE);
}

void SetStatusText(const char* text) {
  HWND window = g_handle;
  if (window == nullptr || window == kEnded) return;
  SetDlgItemTextA(window, IDC_STATUS_TEXT, text);
  InvalidateRect(window, nullptr, FALSE);
}

void CloseStatusWindow() {
  HWND window = g_handle;
  if (window != nullptr && window != kEnded) SendMessageA(window, WM_CLOSE, 0, 0);
}

HWND StatusWindowHandle() { return g_handle; }

}  // namespace zelva::ui
