// The vertical scroll state of a window whose content is taller than its view:
// the standard scroll bar, the scroll requests and the mouse wheel.
#pragma once

#include <windows.h>

namespace zelva::settings {

class VerticalScroller {
 public:
  explicit VerticalScroller(int lineStep) : lineStep_(lineStep > 0 ? lineStep : 1) {}

  // Each returns true when the position changed, so the owner moves its content.
  bool SetExtent(HWND window, int contentHeight, int viewHeight);
  bool OnScroll(HWND window, WORD request);
  bool OnWheel(HWND window, int delta);
  bool ScrollTo(HWND window, int position);

  int position() const { return position_; }
  bool needed() const { return content_ > view_; }

 private:
  int Limit() const { return content_ > view_ ? content_ - view_ : 0; }
  void UpdateBar(HWND window);

  int lineStep_;
  int content_ = 0;
  int view_ = 0;
  int position_ = 0;
  int wheelRemainder_ = 0;
  bool barShown_ = false;
};

}  // namespace zelva::settings
