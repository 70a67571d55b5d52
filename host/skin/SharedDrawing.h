// Drawing resources created once at start-up and shared by all host drawing.
#pragma once

#include "GdiplusInclude.h"
#include "ImageResource.h"

namespace zelva::skin {

struct SharedDrawing {
  Gdiplus::SolidBrush* white = nullptr;
  Gdiplus::SolidBrush* lightGrey = nullptr;
  Gdiplus::SolidBrush* black = nullptr;
  Gdiplus::FontFamily* family = nullptr;
  Gdiplus::Font* small = nullptr;    // 13 px
  Gdiplus::Font* medium = nullptr;   // 15 px
  Gdiplus::Font* large = nullptr;    // 21 px bold
  PngImage background;               // 1004
  PngImage sidePanel;                // 122
};

SharedDrawing& Drawing();

// "Segoe UI", or "Arial" where it cannot be had.
bool CreateSharedDrawing();
// Loads images 1004 and 122; false when either is missing.
bool LoadSharedImages(HINSTANCE instance);
void DestroySharedDrawing();

// A font of the host family; the caller owns it.
Gdiplus::Font* NewHostFont(float pixels, int style = Gdiplus::FontStyleRegular);

// Draws single-byte text in a box.
void DrawText(Gdiplus::Graphics& graphics, const char* text, const Gdiplus::Font& font, const Gdiplus::Brush& brush,
              const Gdiplus::RectF& box, Gdiplus::StringAlignment horizontal = Gdiplus::StringAlignmentNear);

// Anti-aliased text and smooth image scaling.
void PrepareGraphics(Gdiplus::Graphics& graphics);

}  // namespace zelva::skin
