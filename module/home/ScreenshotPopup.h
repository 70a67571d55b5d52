// A screenshot at full size: a borderless window over the host's main window
// that fades in, and fades out and closes on a left click or Escape. Modal:
// ShowScreenshot returns when it has closed.
#pragma once

#include <windows.h>

#include "ObjectWindow.h"
#include "PngResource.h"

namespace zelva::module {

constexpr wchar_t kScreenshotPopupClass[] = L"ZelvaScreenshotPopup";

// The smallest popup, so that an empty picture can still be seen and closed.
constexpr int kPopupMinimumWidth = 200;
constexpr int kPopupMinimumHeight = 120;

// Shows the module's picture resource; owner is disabled meanwhile.
void ShowScreenshot(int picture, HWND owner);

// Where a popup of the given size goes: centred over the owner's window,
// never left of or above the screen's origin.
POINT PopupPosition(const RECT& owner, int width, int height);

class ScreenshotPopup : public ui::ObjectWindow<ScreenshotPopup> {
 public:
  static constexpr const wchar_t* kClassName = kScreenshotPopupClass;
  explicit ScreenshotPopup(int picture);
  ~ScreenshotPopup() { DestroyWindowNow(); }
  // Runs until the popup has faded out.
  void Run(HWND owner);

 private:
  friend class ui::ObjectWindow<ScreenshotPopup>;
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  void Paint(HDC dc);
  void OnTimer();
  void Close();

  images::PngImage picture_;
  DWORD fadeStart_ = 0;
  bool closing_ = false;
  bool done_ = false;
};

}  // namespace zelva::module
