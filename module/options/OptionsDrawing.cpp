#include "OptionsDrawing.h"

#include <memory>
#include <string>

#include "ControlText.h"
#include "GdiplusInclude.h"
#include "ModuleContext.h"
#include "Page.h"
#include "PageFont.h"
#include "WideText.h"

namespace zelva::module {
namespace {

constexpr Gdiplus::ARGB kMakerBlue = 0xFF102E5C;
constexpr Gdiplus::ARGB kPanelTop = 0xFF24416B;
constexpr Gdiplus::ARGB kAccent = 0xFFF0A030;

std::wstring TextOf(HWND window) { return win::WideFromAnsi(ControlText(window).c_str()); }

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

void AddRoundedRectangle(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& box, float radius) {
  float d = radius * 2;
  path.AddArc(box.X, box.Y, d, d, 180, 90);
  path.AddArc(box.X + box.Width - d, box.Y, d, d, 270, 90);
  path.AddArc(box.X + box.Width - d, box.Y + box.Height - d, d, d, 0, 90);
  path.AddArc(box.X, box.Y + box.Height - d, d, d, 90, 90);
  path.CloseFigure();
}

}  // namespace

void DrawFileName(const DRAWITEMSTRUCT& item) {
  Gdiplus::Graphics graphics(item.hDC);
  Prepare(graphics);
  FillPageColour(graphics, item.rcItem);
  std::unique_ptr<Gdiplus::Font> font = PageFont(16.0f, Gdiplus::FontStyleRegular);
  Gdiplus::SolidBrush blue{Gdiplus::Color(kMakerBlue)};
  Gdiplus::StringFormat format;
  format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
  std::wstring text = TextOf(item.hwndItem);
  graphics.DrawString(text.c_str(), int(text.size()), font.get(), RectOf(item.rcItem), &format, &blue);
}

void DrawOptionsBanner(const DRAWITEMSTRUCT& item, const images::PngImage& emblem) {
  Gdiplus::Graphics graphics(item.hDC);
  Prepare(graphics);
  FillPageColour(graphics, item.rcItem);
  Gdiplus::RectF box = RectOf(item.rcItem);
  box.Width -= 1;
  box.Height -= 1;
  Gdiplus::GraphicsPath panel;
  AddRoundedRectangle(panel, box, 8.0f);
  Gdiplus::LinearGradientBrush shade(Gdiplus::PointF(0, box.Y), Gdiplus::PointF(0, box.Y + box.Height),
                                     Gdiplus::Color(kPanelTop), Gdiplus::Color(kMakerBlue));
  graphics.FillPath(&shade, &panel);

  float side = std::min(96.0f, box.Width - 16.0f);
  float y = box.Y + 18.0f;
  if (emblem && side > 0) {
    graphics.DrawImage(emblem.get(), Gdiplus::RectF(box.X + (box.Width - side) / 2, y, side, side));
  }
  y += side + 14.0f;
  Gdiplus::SolidBrush white{Gdiplus::Color(0xFFFFFFFF)};
  Gdiplus::SolidBrush pale{Gdiplus::Color(0xFFC8D4E6)};
  Gdiplus::StringFormat centred;
  centred.SetAlignment(Gdiplus::StringAlignmentCenter);
  std::unique_ptr<Gdiplus::Font> large = PageFont(19.0f, Gdiplus::FontStyleBold);
  std::unique_ptr<Gdiplus::Font> small = PageFont(13.0f, Gdiplus::FontStyleRegular);
  const wchar_t kTitle[] = L"Aircraft Specific Settings";
  Gdiplus::RectF titleBox(box.X + 8, y, box.Width - 16, box.Y + box.Height - y);
  Gdiplus::RectF used;
  graphics.MeasureString(kTitle, -1, large.get(), titleBox, &centred, &used);
  graphics.DrawString(kTitle, -1, large.get(), titleBox, &centred, &white);
  y += used.Height + 10.0f;
  Gdiplus::Pen accent(Gdiplus::Color(kAccent), 2.0f);
  graphics.DrawLine(&accent, box.X + 24, y, box.X + box.Width - 24, y);
  y += 10.0f;
  const wchar_t kCaption[] = L"Options are kept per airframe: every livery with the same registration shares one "
                             L"settings file.";
  graphics.DrawString(kCaption, -1, small.get(), Gdiplus::RectF(box.X + 10, y, box.Width - 20, box.Y + box.Height - y - 8),
                      &centred, &pale);
}

void DrawSkinButton(const DRAWITEMSTRUCT& item, const images::PngImage& face, const images::PngImage& grayFace) {
  Gdiplus::Graphics graphics(item.hDC);
  Prepare(graphics);
  FillPageColour(graphics, item.rcItem);
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const images::PngImage& image = disabled ? grayFace : face;
  Gdiplus::RectF box = RectOf(item.rcItem);
  if (image) {
    graphics.DrawImage(image.get(), box);
  } else {
    Gdiplus::SolidBrush fill{Gdiplus::Color(disabled ? 0xFFA0A4AA : kMakerBlue)};
    graphics.FillRectangle(&fill, box);
  }
  if (item.itemState & ODS_SELECTED) {
    Gdiplus::SolidBrush pressed{Gdiplus::Color(0x30000000)};
    graphics.FillRectangle(&pressed, box);
  }
  std::unique_ptr<Gdiplus::Font> font = PageFont(15.0f, Gdiplus::FontStyleBold);
  Gdiplus::SolidBrush text{Gdiplus::Color(disabled ? 0xFFE4E6EA : 0xFFFFFFFF)};
  Gdiplus::StringFormat centred;
  centred.SetAlignment(Gdiplus::StringAlignmentCenter);
  centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  std::wstring caption = TextOf(item.hwndItem);
  graphics.DrawString(caption.c_str(), int(caption.size()), font.get(), box, &centred, &text);
  if ((item.itemState & ODS_FOCUS) && !disabled) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace zelva::module
