// The ten pages of the product window: which dialog and header image each
// uses, and the page window itself. A page whose content is not built yet
// shows an empty body under its header.
#pragma once

#include <windows.h>

#include <memory>

#include "Gdi.h"
#include "ObjectWindow.h"

namespace zelva::module {

// The light grey behind the product window and its pages.
constexpr COLORREF kPageColour = RGB(241, 241, 241);

constexpr int kPageCount = 10;
constexpr int kNoPage = 255;

// Asks the product window to switch pages after the current message;
// wParam is the page number.
constexpr UINT kShowPageMessage = WM_APP + 20;

struct PageEntry {
  int dialogTemplate;
  int headerImage;
};

// Null for a number that is no page.
const PageEntry* FindPage(int page);

class PageDialog : public ui::ObjectWindow<PageDialog> {
 public:
  // Creates the page's dialog inside area; null when it cannot be created.
  static std::unique_ptr<PageDialog> Create(int page, HWND area, HWND productWindow);
  ~PageDialog() { DestroyWindowNow(); }

 private:
  friend class ui::ObjectWindow<PageDialog>;
  PageDialog(int page, HWND productWindow) : page_(page), productWindow_(productWindow) {}
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void Initialise();

  int page_;
  HWND productWindow_;
  win::BrushHandle background_{CreateSolidBrush(kPageColour)};
  win::FontHandle captionFont_;
};

}  // namespace zelva::module
