#include "SharedDrawing.h"

#include <vector>

namespace zelva::skin {
namespace {
SharedDrawing g_drawing;
}

SharedDrawing& Drawing() { return g_drawing; }

bool CreateSharedDrawing() {
  using namespace Gdiplus;
  g_drawing.white = new SolidBrush(Color(0xFFFFFFFF));
  g_drawing.lightGrey = new SolidBrush(Color(0xFFD3D3D3));
  g_drawing.black = new SolidBrush(Color(0xFF000000));
  g_drawing.family = new FontFamily(L"Segoe UI");
  if (g_drawing.family->GetLastStatus() != Ok) {
    delete g_drawing.family;
    g_drawing.family = new FontFamily(L"Arial");
  }
  g_drawing.small = NewHostFont(13.0f);
  g_drawing.medium = NewHostFont(15.0f);
  g_drawing.large = NewHostFont(21.0f, FontStyleBold);
  return g_drawing.family->GetLastStatus() == Ok;
}

bool LoadSharedImages(HINSTANCE instance) {
  return g_drawing.background.Load(1004, instance) && g_drawing.sidePanel.Load(122, instance);
}

void DestroySharedDrawing() {
  delete g_drawing.white;
  delete g_drawing.lightGrey;
  delete g_drawing.black;
  delete g_drawing.small;
  delete g_drawing.medium;
  delete g_drawing.large;
  delete g_drawing.family;
  g_drawing.background.Release();
  g_drawing.sidePanel.Release();
  g_drawing.white = g_drawing.lightGrey = g_drawing.black = nullptr;
  g_drawing.small = g_drawing.medium = g_drawing.large = nullptr;
  g_drawing.family = nullptr;
}

Gdiplus::Font* NewHostFont(float pixels, int style) {
  if (g_drawing.family == nullptr) return nullptr;
  return new Gdiplus::Font(g_drawing.family, pixels, style, Gdiplus::UnitPixel);
}

void DrawText(Gdiplus::Graphics& graphics, const char* text, const Gdiplus::Font& font, const Gdiplus::Brush& brush,
              const Gdiplus::RectF& box, Gdiplus::StringAlignment horizontal) {
  if (text == nullptr || text[0] == '\0') return;
  int chars = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (chars <= 0) return;
  std::vector<wchar_t> wide(static_cast<size_t>(chars));
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), chars);
  Gdiplus::StringFormat format;
  format.SetAlignment(horizontal);
  format.SetLineAlignment(Gdiplus::StringAlignmentNear);
  graphics.DrawString(wide.data(), -1, &font, box, &format, &brush);
}

void PrepareGraphics(Gdiplus::Graphics& graphics) {
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
}

}  // namespace zelva::skin
