#include "ScreenshotPopup.h"

#include "GdiplusInclude.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr DWORD kFadeMilliseconds = 500;
constexpr UINT kFadeStep = 15;

// 0 to 255 over the fade, from its start.
BYTE FadeAlpha(DWORD elapsed, bool closing) {
  DWORD done = elapsed >= kFadeMilliseconds ? kFadeMilliseconds : elapsed;
  DWORD alpha = done * 255 / kFadeMilliseconds;
  return BYTE(closing ? 255 - alpha : alpha);
}

}  // namespace

POINT PopupPosition(const RECT& owner, int width, int height) {
  POINT at = {owner.left + ((owner.right - owner.left) - width) / 2,
              owner.top + ((owner.bottom - owner.top) - height) / 2};
  if (at.x < 0) at.x = 0;
  if (at.y < 0) at.y = 0;
  return at;
}

ScreenshotPopup::ScreenshotPopup(int picture) { picture_.Load(picture, ModuleInstance()); }

void ShowScreenshot(int picture, HWND owner) {
  Log("\n%s - Showing screenshot %d\n", Product().shortName, picture);
  ScreenshotPopup popup(picture);
  popup.Run(owner);
}

void ScreenshotPopup::Run(HWND owner) {
  if (ScreenshotPopup::Register(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))) == 0) return;
  int width = picture_.width() > kPopupMinimumWidth ? picture_.width() : kPopupMinimumWidth;
  int height = picture_.height() > kPopupMinimumHeight ? picture_.height() : kPopupMinimumHeight;
  RECT ownerRect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner != nullptr) GetWindowRect(owner, &ownerRect);
  POINT at = PopupPosition(ownerRect, width, height);
  RECT place = {at.x, at.y, at.x + width, at.y + height};
  HWND popup = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, kClassName, L"Screenshot", WS_POPUP, place.left,
                               place.top, width, height, owner, nullptr, win::ThisModule(), this);
  if (popup == nullptr) return;
  SetLayeredWindowAttributes(popup, 0, 0, LWA_ALPHA);
  fadeStart_ = GetTickCount();
  SetTimer(popup, kFadeTimer, kFadeStep, nullptr);
  // The owner is disabled before the popup shows, as a modal dialog's is:
  // no click reaches it while the popup is on the screen.
  bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(popup, SW_SHOW);
  SetFocus(popup);
  MSG message = {};
  while (!done_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  DestroyWindowNow();
  if (owner != nullptr) SetForegroundWindow(owner);
  // A WM_QUIT that ended the loop belongs to the loop outside this one.
  if (!done_) PostQuitMessage(int(message.wParam));
}

LRESULT ScreenshotPopup::OnMessage(UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (HandlePaintMessage(message, w, result)) return result;
  switch (message) {
    case WM_TIMER:
      if (w == kFadeTimer) OnTimer();
      return 0;
    case WM_LBUTTONDOWN:
      Close();
      return 0;
    case WM_KEYDOWN:
      if (w == VK_ESCAPE) Close();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      KillTimer(window(), kFadeTimer);
      done_ = true;
      return 0;
  }
  return Default(message, w, l);
}

void ScreenshotPopup::Paint(HDC dc) {
  RECT client;
  GetClientRect(window(), &client);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (!picture_) return;
  Gdiplus::Graphics graphics(dc);
  int x = (client.right - picture_.width()) / 2, y = (client.bottom - picture_.height()) / 2;
  graphics.DrawImage(picture_.get(), x, y, picture_.width(), picture_.height());
}

void ScreenshotPopup::OnTimer() {
  DWORD elapsed = GetTickCount() - fadeStart_;
  SetLayeredWindowAttributes(window(), 0, FadeAlpha(elapsed, closing_), LWA_ALPHA);
  if (elapsed < kFadeMilliseconds) return;
  if (closing_) {
    done_ = true;
  } else {
    KillTimer(window(), kFadeTimer);
  }
}

void ScreenshotPopup::Close() {
  if (closing_) return;
  // Fading out starts from the alpha the fade-in has reached.
  DWORD elapsed = GetTickCount() - fadeStart_;
  DWORD shown = elapsed >= kFadeMilliseconds ? kFadeMilliseconds : elapsed;
  closing_ = true;
  fadeStart_ = GetTickCount() - (kFadeMilliseconds - shown);
  SetTimer(window(), kFadeTimer, kFadeStep, nullptr);
}

}  // namespace zelva::module
