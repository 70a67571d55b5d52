// Drawing of the skinned drop-down lists: the face of the closed list and the
// items of the dropped one, from a set of five images.
#pragma once

#include "GdiplusInclude.h"
#include "PngResource.h"

namespace zelva::skin {

struct ListSkinImages {
  images::PngImage face;
  images::PngImage topCap;
  images::PngImage bottomCap;
  images::PngImage middle;
  images::PngImage highlight;

  // Resource numbers in the order face, top, bottom, middle, highlight.
  bool Load(const int (&resources)[5], HINSTANCE instance);
};

// Keys, focus loss and the wheel are kept from skinned lists, so that their
// selection changes only by clicking.
inline bool IsSwallowedListInput(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR || message == WM_KILLFOCUS ||
         message == WM_MOUSEWHEEL;
}

enum class ListItemKind { kTopCap, kMiddle, kBottomCap };

// One owner-drawn item; `text` is drawn in white or grey on middle items.
void DrawListItem(const DRAWITEMSTRUCT& item, const ListSkinImages& skin, ListItemKind kind, const char* text,
                  bool greyText, int narrowing);

// The closed list's face with its text (white) at the given offset.
void DrawListFace(HDC dc, const RECT& bounds, const ListSkinImages& skin, const char* text, float textX, float textY,
                  float textWidth, float textHeight);

}  // namespace zelva::skin
