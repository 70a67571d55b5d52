// Where things sit on the Version page, in pixels.
#pragma once

namespace zelva::module {

constexpr int kPageWidth = 760;
constexpr int kMinimumPageHeight = 400;
constexpr int kListLeft = 0;
constexpr int kListTop = 8;

// An entry: its header bar, then its body. The list leaves no room between
// items, so the body carries the gap to the next entry.
constexpr int kHeaderHeight = 30;
constexpr int kBodyHeight = 124;
constexpr int kEntryGap = 0;

// Text lines in the body: left, top; each box is 720 wide and 20 high.
constexpr int kTextWidth = 720;
constexpr int kTextHeight = 20;
constexpr int kTextLeft = 10;
constexpr int kInstalledTop = 12;
constexpr int kAvailableTop = 34;
constexpr int kStatusTop = 58;
constexpr int kNameLeft = 20;
constexpr int kNameTop = 5;
constexpr int kNameWidth = 500;

// Buttons: the changelog button from the body's left, the download button
// from the body's right, the collapse button from the header's right.
struct ButtonPlace {
  int x, y, width, height;
};
constexpr ButtonPlace kChangelogButton = {10, 84, 170, 28};
constexpr ButtonPlace kDownloadButton = {20, 16, 150, 32};
constexpr ButtonPlace kCollapseButton = {10, 7, 16, 16};

}  // namespace zelva::module
