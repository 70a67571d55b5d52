#include "PageDrawing.h"

#include "ModuleContext.h"
#include "Page.h"

namespace zelva::module {

std::unique_ptr<Gdiplus::Font> PageFont(float pixels, int style) {
  const HostContext* host = Host();
  if (host != nullptr && host->fontFamily != nullptr) {
    auto font = std::make_unique<Gdiplus::Font>(static_cast<const Gdiplus::FontFamily*>(host->fontFamily), pixels,
                                                style, Gdiplus::UnitPixel);
    if (font->GetLastStatus() == Gdiplus::Ok) return font;
  }
  return std::make_unique<Gdiplus::Font>(L"Arial", pixels, style, Gdiplus::UnitPixel);
}

Gdiplus::RectF RectOf(const RECT& r) {
  return Gdiplus::RectF(float(r.left), float(r.top), float(r.right - r.left), float(r.bottom - r.top));
}

void FillPageColour(Gdiplus::Graphics& graphics, const RECT& area) {
  Gdiplus::SolidBrush page(Gdiplus::Color(255, GetRValue(kPageColour), GetGValue(kPageColour), GetBValue(kPageColour)));
  graphics.FillRectangle(&page, RectOf(area));
}

void Prepare(Gdiplus::Graphics& graphics) {
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
}

void DrawTextLine(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font,
                  const Gdiplus::Color& colour, const Gdiplus::RectF& box, Gdiplus::StringAlignment alignment) {
  Gdiplus::SolidBrush brush(colour);
  Gdiplus::StringFormat format;
  format.SetAlignment(alignment);
  format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
  graphics.DrawString(text.c_str(), int(text.size()), &font, box, &format, &brush);
}

void AddRoundedRectangle(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& box, float radius) {
  float d = radius * 2;
  path.AddArc(box.X, box.Y, d, d, 180, 90);
  path.AddArc(box.X + box.Width - d, box.Y, d, d, 270, 90);
  path.AddArc(box.X + box.Width - d, box.Y + box.Height - d, d, d, 0, 90);
  path.AddArc(box.X, box.Y + box.Height - d, d, d, 90, 90);
  path.CloseFigure();
}

}  // namespace zelva::module
