// Drawing resources created once at start-up and shared by all host drawing.
#pragma once

#include <memory>

#include "GdiplusInclude.h"
#include "PngResource.h"

namespace zelva::skin {

struct SharedDrawing {
  std::unique_ptr<Gdiplus::SolidBrush> white;
  std::unique_ptr<Gdiplus::SolidBrush> lightGrey;
  std::unique_ptr<Gdiplus::SolidBrush> black;
  std::unique_ptr<Gdiplus::FontFamily> family;
  std::unique_ptr<Gdiplus::Font> small;   // 13 px
  std::unique_ptr<Gdiplus::Font> medium;  // 15 px
  std::unique_ptr<Gdiplus::Font> large;   // 21 px bold
  images::PngImage background;                    // 1004
  images::PngImage sidePanel;                     // 122
};

SharedDrawing& Drawing();

// Holds the shared drawing from its creation to the end of its scope, which
// lies inside the GDI+ session: "Segoe UI", or "Arial" where it cannot be had.
class SharedDrawingScope {
 public:
  SharedDrawingScope();
  ~SharedDrawingScope();
  SharedDrawingScope(const SharedDrawingScope&) = delete;
  SharedDrawingScope& operator=(const SharedDrawingScope&) = delete;

  // Loads images 1004 and 122; false when either is missing.
  bool LoadImages(HINSTANCE instance);
  bool fontsUsable() const;
};

// A font of the host family; null before the shared drawing exists.
std::unique_ptr<Gdiplus::Font> NewHostFont(float pixels, int style = Gdiplus::FontStyleRegular);

// Draws single-byte text in a box.
void DrawText(Gdiplus::Graphics& graphics, const char* text, const Gdiplus::Font& font, const Gdiplus::Brush& brush,
              const Gdiplus::RectF& box, Gdiplus::StringAlignment horizontal = Gdiplus::StringAlignmentNear);

// Anti-aliased text and smooth image scaling.
void PrepareGraphics(Gdiplus::Graphics& graphics);

}  // namespace zelva::skin
