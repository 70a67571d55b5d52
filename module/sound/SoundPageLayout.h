// Where things sit on the Sound Settings page, in pixels: one panel per sound
// set, each a header bar over a body that collapses.
#pragma once

#include <windows.h>

#include "SoundSetRecords.h"

namespace zelva::module {

constexpr int kSoundPageWidth = 760;
constexpr int kSoundPageMargin = 8;
constexpr int kSoundHeaderHeight = 30;
constexpr int kSoundPanelGap = 10;

// Text lines of a body, from its top; the body's left inset.
constexpr int kSoundTextLeft = 14;
constexpr int kSoundTextHeight = 20;
constexpr int kOfferTop = 10;
constexpr int kChooseTop = 36;
constexpr int kExplanationTop = 36;
constexpr int kSizeNoteTop = 76;
constexpr int kHintTop = 138;

// Buttons, from the body's top left (the collapse button from the header's
// right end).
struct SoundButtonPlace {
  int x, y, width, height;
};
constexpr SoundButtonPlace kFirstOption = {14, 66, 220, 26};
constexpr SoundButtonPlace kSecondOption = {250, 66, 220, 26};
constexpr SoundButtonPlace kDownloadPlace = {14, 102, 150, 32};
constexpr SoundButtonPlace kCollapsePlace = {26, 7, 16, 16};
// The progress bar right of the Abort button, the status under it.
constexpr int kBarLeft = 180, kBarTop = 108, kBarHeight = 20;
constexpr int kStatusTop = 132;

// A set still to download explains itself and carries the download's
// progress; a downloaded one shows only its choice, so its body ends below the
// option buttons.
constexpr int kSoundBodyHeight = 160;
constexpr int kSoundChoiceBodyHeight = kFirstOption.y + kFirstOption.height + 14;

inline int SoundBodyHeight(bool downloaded) { return downloaded ? kSoundChoiceBodyHeight : kSoundBodyHeight; }

struct SoundPanelPlace {
  RECT header;
  RECT body;  // empty when collapsed
};

// The panel of set index, for a page width and the sets' body heights (0 for
// a collapsed one).
inline SoundPanelPlace PlaceSoundPanel(int index, int pageWidth, const int (&bodyHeights)[kMaxSoundSets]) {
  int top = kSoundPageMargin;
  for (int i = 0; i < index; ++i) top += kSoundHeaderHeight + bodyHeights[i] + kSoundPanelGap;
  const int left = kSoundPageMargin, right = pageWidth - kSoundPageMargin;
  SoundPanelPlace place;
  place.header = {left, top, right, top + kSoundHeaderHeight};
  const int bodyTop = top + kSoundHeaderHeight;
  place.body = {left, bodyTop, right, bodyTop + bodyHeights[index]};
  return place;
}

// Room for count panels, all open and still to download.
inline int SoundPageHeight(int count) {
  return 2 * kSoundPageMargin + count * (kSoundHeaderHeight + kSoundBodyHeight + kSoundPanelGap);
}

}  // namespace zelva::module
