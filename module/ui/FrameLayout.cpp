#include "FrameLayout.h"

#include <algorithm>

namespace zelva::module {
namespace {

int Clamp(int value, int limit) { return std::max(0, std::min(value, limit)); }

}  // namespace

FrameLayout LayOutFrame(const FrameInput& in) {
  FrameLayout out;
  const int w = in.width, h = in.height;
  out.headerHeight = in.headerOn ? kHeaderSpace : 0;
  if (in.headerOn) out.header = {10, 7, w - 20, std::max(0, int((w - 20) / 7.4))};
  const int header = out.headerHeight;

  out.scrolling = w < in.pageWidth || h - header < in.pageHeight;
  if (!out.scrolling) {
    out.pageArea = {10, header + 10, w - 20, h - header - 30};
    out.page = {0, 0, out.pageArea.width, out.pageArea.height};
    return out;
  }
  // A negative limit would let a line down move the page away from the top.
  out.verticalLimit = std::max(0, header - h + in.pageHeight + 20);
  out.horizontalLimit = std::max(0, in.pageWidth - w + 40);
  out.verticalPosition = Clamp(in.verticalPosition, out.verticalLimit);
  out.horizontalPosition = Clamp(in.horizontalPosition, out.horizontalLimit);
  out.horizontalShown = out.horizontalLimit > 0;
  out.verticalBar = {w - 30, header + 10, 20, h - header - 40};
  out.horizontalBar = {10, h - 30, w - 40, 20};
  out.pageArea = {10, header + 10, std::min(w - 40, in.pageWidth), h - header - 40};
  out.page = {-out.horizontalPosition, -out.verticalPosition, in.pageWidth, in.pageHeight};
  return out;
}

int ScrollTo(int position, ScrollAction action, int limit, int thumb) {
  switch (action) {
    case ScrollAction::kLineBack:
      return Clamp(position - kScrollLine, limit);
    case ScrollAction::kPageBack:
      return Clamp(position - kScrollPage, limit);
    case ScrollAction::kLineForward:
      return Clamp(position + kScrollLine, limit);
    case ScrollAction::kPageForward:
      return Clamp(position + kScrollPage, limit);
    case ScrollAction::kThumb:
      return Clamp(thumb, limit);
    case ScrollAction::kNone:
      break;
  }
  return position;
}

ScrollAction WheelAction(int delta) { return delta < 1 ? ScrollAction::kLineForward : ScrollAction::kLineBack; }

}  // namespace zelva::module
