// GDI+ drawing shared by the page's windows: flicker-free surfaces, rounded
// shapes, wrapped text and the owner-drawn buttons.
#pragma once

#include <windows.h>
#include "GdiplusInclude.h"

#include <memory>
#include <string>

#include "Gdi.h"
#include "PageStyle.h"

namespace zelva::settings {

// Draws into an off-screen bitmap of the area and copies it to the target
// when it goes out of scope.
class BufferedSurface {
 public:
  BufferedSurface(HDC target, const RECT& area);
  ~BufferedSurface();
  BufferedSurface(const BufferedSurface&) = delete;
  BufferedSurface& operator=(const BufferedSurface&) = delete;

  Gdiplus::Graphics& graphics() { return *graphics_; }

 private:
  HDC target_;
  RECT area_;
  win::MemoryDc memory_;
  win::BitmapHandle bitmap_;
  std::unique_ptr<win::SelectedObject> selection_;
  std::unique_ptr<Gdiplus::Graphics> graphics_;
};

// Anti-aliased shapes and grid-fitted text, as everywhere in the host.
void PrepareGraphics(Gdiplus::Graphics& graphics);

void FillRoundedRect(Gdiplus::Graphics& graphics, const Gdiplus::Brush& brush, const Gdiplus::RectF& rect,
                     float radius);
void DrawRoundedRect(Gdiplus::Graphics& graphics, const Gdiplus::Pen& pen, const Gdiplus::RectF& rect, float radius);
std::unique_ptr<Gdiplus::GraphicsPath> RoundedRectPath(const Gdiplus::RectF& rect, float radius);

// The page colour over the whole client area, the ground of every window.
void FillPage(Gdiplus::Graphics& graphics, const RECT& client);
// The page with a white card over the client area; the card's outline.
Gdiplus::RectF FillCard(Gdiplus::Graphics& graphics, const RECT& client, float radius);
// A coloured band kept inside the card's rounded outline, then the outline.
void FinishCard(Gdiplus::Graphics& graphics, const Gdiplus::RectF& card, float radius, Gdiplus::ARGB bandColor,
                const Gdiplus::RectF& band);

enum class TextAlign { kNear, kCenter, kFar };

// Height of text wrapped to width, rounded up to whole pixels.
int MeasureTextHeight(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font, int width);
int MeasureTextWidth(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font);
void DrawTextBlock(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font,
                   Gdiplus::ARGB color, const Gdiplus::RectF& box, TextAlign align = TextAlign::kNear,
                   bool centreVertically = false);

// Measures without a window: a graphics object on a screen-compatible DC.
class MeasuringContext {
 public:
  MeasuringContext();
  ~MeasuringContext();
  MeasuringContext(const MeasuringContext&) = delete;
  MeasuringContext& operator=(const MeasuringContext&) = delete;
  Gdiplus::Graphics& graphics() { return *graphics_; }

 private:
  win::MemoryDc dc_;
  std::unique_ptr<Gdiplus::Graphics> graphics_;
};

enum class ButtonLook { kPrimary, kSecondary, kLink };

// An owner-drawn push button (WM_DRAWITEM) on a card of the given colour.
void DrawButton(const DRAWITEMSTRUCT& item, const PageStyle& style, ButtonLook look, Gdiplus::ARGB background);

}  // namespace zelva::settings
