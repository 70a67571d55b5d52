// The plain page: its dialog template under the page's header, with nothing
// of its own but the back button of the second options view.
#pragma once

#include <windows.h>

#include <memory>

#include "Gdi.h"
#include "ObjectWindow.h"
#include "Page.h"

namespace zelva::module {

class PageDialog : public Page, public ui::ObjectWindow<PageDialog> {
 public:
  // Creates the page's dialog inside area; null when it cannot be created.
  static std::unique_ptr<Page> Create(int page, int dialogTemplate, HWND area, HWND productWindow);
  ~PageDialog() override { DestroyWindowNow(); }
  HWND window() const override { return ObjectWindow::window(); }

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
