#include "VerticalScroller.h"

#include <algorithm>

namespace zelva::settings {

void VerticalScroller::UpdateBar(HWND window) {
  const bool show = needed();
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = show ? content_ - 1 : 0;
  info.nPage = show ? static_cast<UINT>(view_) : 0;
  info.nPos = position_;
  SetScrollInfo(window, SB_VERT, &info, TRUE);
  if (show != barShown_) {
    barShown_ = show;
    ShowScrollBar(window, SB_VERT, show);
  }
}

bool VerticalScroller::SetExtent(HWND window, int contentHeight, int viewHeight) {
  content_ = std::max(contentHeight, 0);
  view_ = std::max(viewHeight, 0);
  const int previous = position_;
  position_ = std::clamp(position_, 0, Limit());
  UpdateBar(window);
  return position_ != previous;
}

bool VerticalScroller::ScrollTo(HWND window, int position) {
  const int previous = position_;
  position_ = std::clamp(position, 0, Limit());
  if (position_ == previous) return false;
  UpdateBar(window);
  return true;
}

bool VerticalScroller::OnScroll(HWND window, WORD request) {
  const int page = std::max(view_ - lineStep_, lineStep_);
  switch (request) {
    case SB_LINEUP:
      return ScrollTo(window, position_ - lineStep_);
    case SB_LINEDOWN:
      return ScrollTo(window, position_ + lineStep_);
    case SB_PAGEUP:
      return ScrollTo(window, position_ - page);
    case SB_PAGEDOWN:
      return ScrollTo(window, position_ + page);
    case SB_TOP:
      return ScrollTo(window, 0);
    case SB_BOTTOM:
      return ScrollTo(window, Limit());
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      if (!GetScrollInfo(window, SB_VERT, &info)) return false;
      return ScrollTo(window, info.nTrackPos);
    }
    default:
      return false;
  }
}

bool VerticalScroller::OnWheel(HWND window, int delta) {
  if (!needed()) {
    wheelRemainder_ = 0;
    return false;
  }
  // Fine-grained wheels send fractions of a notch: keep what is left over.
  wheelRemainder_ += delta;
  UINT linesPerNotch = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
  if (linesPerNotch == 0) return false;
  const int notches = wheelRemainder_ / WHEEL_DELTA;
  if (notches == 0) return false;
  wheelRemainder_ -= notches * WHEEL_DELTA;
  const int distance = linesPerNotch == WHEEL_PAGESCROLL ? std::max(view_ - lineStep_, lineStep_)
                                                         : static_cast<int>(linesPerNotch) * lineStep_;
  return ScrollTo(window, position_ - notches * distance);
}

}  // namespace zelva::settings
