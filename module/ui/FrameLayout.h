// Where the product window puts its header, page area, page and scroll bars
// for a given size, and how scroll requests move the positions. No windows
// are touched here.
#pragma once

namespace zelva::module {

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
};

constexpr int kHeaderSpace = 120;
constexpr int kScrollLine = 20;
constexpr int kScrollPage = 100;
constexpr int kScrollBarPage = 60;

struct FrameInput {
  int width = 0, height = 0;           // the parent's client area
  bool headerOn = true;
  int pageWidth = 0, pageHeight = 0;   // the page's extent when it was created
  int horizontalPosition = 0, verticalPosition = 0;
};

struct FrameLayout {
  int headerHeight = 0;
  Box header;                          // meaningful when headerOn
  bool scrolling = false;
  bool horizontalShown = false;        // only when the page is wider than its area
  int horizontalLimit = 0, verticalLimit = 0;
  int horizontalPosition = 0, verticalPosition = 0;   // within 0 .. limit
  Box pageArea;
  Box page;                            // relative to the page area
  Box horizontalBar, verticalBar;
};

FrameLayout LayOutFrame(const FrameInput& input);

enum class ScrollAction { kLineBack, kLineForward, kPageBack, kPageForward, kThumb, kNone };

// The new position after a scroll request; thumb is the dragged position.
int ScrollTo(int position, ScrollAction action, int limit, int thumb = 0);

// A wheel turn: toward the user (delta below 1) scrolls a line down.
ScrollAction WheelAction(int delta);

}  // namespace zelva::module
