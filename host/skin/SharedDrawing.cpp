#include "SharedDrawing.h"

#include "WideText.h"

namespace zelva::skin {
namespace {
SharedDrawing g_drawing;
}

SharedDrawing& Drawing() { return g_drawing; }

SharedDrawingScope::SharedDrawingScope() {
  using namespace Gdiplus;
  g_drawing.white = std::make_unique<SolidBrush>(Color(0xFFFFFFFF));
  g_drawing.lightGrey = std::make_unique<SolidBrush>(Color(0xFFD3D3D3));
  g_drawing.black = std::make_unique<SolidBrush>(Color(0xFF000000));
  g_drawing.family = std::make_unique<FontFamily>(L"Segoe UI");
  if (g_drawing.family->GetLastStatus() != Ok) g_drawing.family = std::make_unique<FontFamily>(L"Arial");
  g_drawing.small = NewHostFont(13.0f);
  g_drawing.medium = NewHostFont(15.0f);
  g_drawing.large = NewHostFont(21.0f, FontStyleBold);
}

SharedDrawingScope::~SharedDrawingScope() {
  g_drawing.background.Release();
  g_drawing.sidePanel.Release();
  g_drawing.small.reset();
  g_drawing.medium.reset();
  g_drawing.large.reset();
  g_drawing.family.reset();
  g_drawing.white.reset();
  g_drawing.lightGrey.reset();
  g_drawing.black.reset();
}

bool SharedDrawingScope::LoadImages(HINSTANCE instance) {
  return g_drawing.background.Load(1004, instance) && g_drawing.sidePanel.Load(122, instance);
}

bool SharedDrawingScope::fontsUsable() const { return g_drawing.family->GetLastStatus() == Gdiplus::Ok; }

std::unique_ptr<Gdiplus::Font> NewHostFont(float pixels, int style) {
  if (g_drawing.family == nullptr) return nullptr;
  return std::make_unique<Gdiplus::Font>(g_drawing.family.get(), pixels, style, Gdiplus::UnitPixel);
}

void DrawText(Gdiplus::Graphics& graphics, const char* text, const Gdiplus::Font& font, const Gdiplus::Brush& brush,
              const Gdiplus::RectF& box, Gdiplus::StringAlignment horizontal) {
  std::wstring wide = win::WideFromAnsi(text);
  if (wide.empty()) return;
  Gdiplus::StringFormat format;
  format.SetAlignment(horizontal);
  format.SetLineAlignment(Gdiplus::StringAlignmentNear);
  graphics.DrawString(wide.c_str(), -1, &font, box, &format, &brush);
}

void PrepareGraphics(Gdiplus::Graphics& graphics) {
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
}

}  // namespace zelva::skin
