// The product window (dialog 101) inside the host's content area: the
// header image, the page area with the current page, the scroll bars that
// move a page larger than the window, and the link button.
#pragma once

#include <windows.h>

#include <memory>

#include "FrameLayout.h"
#include "Gdi.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "PngResource.h"
#include "ZelvaContract.h"

namespace zelva::module {

enum class LinkPlacement { kLeft, kRight };

class ProductWindow : public ui::ObjectWindow<ProductWindow> {
 public:
  ProductWindow() = default;
  ~ProductWindow() { Destroy(); }

  // Creates the window in parent, fills it and shows it; false when the
  // dialog cannot be created.
  bool Create(HWND parent);
  void Destroy();

  void ShowPage(int page);
  // A PNG resource of the module as header image; 0 turns the header off.
  void SetHeaderImage(int resource);
  // Keeps the address and shows the link button; null hides it.
  void SetLink(const char* address, LinkPlacement placement);
  // The parent has a new size.
  void FollowParent();

  HWND pageWindow() const { return page_ ? page_->window() : nullptr; }
  int currentPage() const { return currentPage_; }

 private:
  friend class ui::ObjectWindow<ProductWindow>;
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void Layout();
  void Nudge();
  void MovePage(const FrameLayout& layout);
  void OnScroll(int barId, int code);
  void OnWheel(int delta);
  void DrawHeader(const DRAWITEMSTRUCT& item);
  void DrawLinkButton(const DRAWITEMSTRUCT& item);
  void OpenLink();
  HWND Item(int id) const { return GetDlgItem(window(), id); }

  HWND parent_ = nullptr;
  std::unique_ptr<Page> page_;
  int currentPage_ = kNoPage;
  int pageWidth_ = 0, pageHeight_ = 0;
  int horizontalPosition_ = 0, verticalPosition_ = 0;
  FrameLayout layout_;
  bool headerOn_ = true;
  bool shownOnce_ = false;
  images::PngImage header_;
  char link_[kUrlChars] = {};
  win::BrushHandle background_{CreateSolidBrush(kPageColour)};
};

}  // namespace zelva::module
