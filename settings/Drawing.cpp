#include "Drawing.h"

#include <cmath>
#include <vector>

namespace zelva::settings {

BufferedSurface::BufferedSurface(HDC target, const RECT& area) : target_(target), area_(area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  memory_.reset(CreateCompatibleDC(target));
  bitmap_.reset(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1));
  if (memory_ && bitmap_) {
    selection_ = std::make_unique<win::SelectedObject>(memory_.get(), bitmap_.get());
    graphics_ = std::make_unique<Gdiplus::Graphics>(memory_.get());
    graphics_->TranslateTransform(static_cast<float>(-area.left), static_cast<float>(-area.top));
  } else {
    // Out of GDI resources: draw straight onto the target rather than not at all.
    graphics_ = std::make_unique<Gdiplus::Graphics>(target);
  }
  PrepareGraphics(*graphics_);
}

BufferedSurface::~BufferedSurface() {
  graphics_.reset();
  if (selection_) {
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_.get(), 0, 0,
           SRCCOPY);
  }
}

// Pixel centres lie on whole coordinates: 1-pixel outlines are drawn on them.
void PrepareGraphics(Gdiplus::Graphics& graphics) {
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
}

std::unique_ptr<Gdiplus::GraphicsPath> RoundedRectPath(const Gdiplus::RectF& rect, float radius) {
  auto path = std::make_unique<Gdiplus::GraphicsPath>();
  const float d = radius * 2.0f;
  if (d <= 0.0f || d > rect.Width || d > rect.Height) {
    path->AddRectangle(rect);
    return path;
  }
  path->AddArc(rect.X, rect.Y, d, d, 180.0f, 90.0f);
  path->AddArc(rect.X + rect.Width - d, rect.Y, d, d, 270.0f, 90.0f);
  path->AddArc(rect.X + rect.Width - d, rect.Y + rect.Height - d, d, d, 0.0f, 90.0f);
  path->AddArc(rect.X, rect.Y + rect.Height - d, d, d, 90.0f, 90.0f);
  path->CloseFigure();
  return path;
}

void FillRoundedRect(Gdiplus::Graphics& graphics, const Gdiplus::Brush& brush, const Gdiplus::RectF& rect,
                     float radius) {
  graphics.FillPath(&brush, RoundedRectPath(rect, radius).get());
}

void DrawRoundedRect(Gdiplus::Graphics& graphics, const Gdiplus::Pen& pen, const Gdiplus::RectF& rect, float radius) {
  graphics.DrawPath(&pen, RoundedRectPath(rect, radius).get());
}

void FillPage(Gdiplus::Graphics& graphics, const RECT& client) {
  Gdiplus::SolidBrush page{Gdiplus::Color(palette::kPage)};
  graphics.FillRectangle(&page, 0.0f, 0.0f, float(client.right), float(client.bottom));
}

Gdiplus::RectF FillCard(Gdiplus::Graphics& graphics, const RECT& client, float radius) {
  FillPage(graphics, client);
  const Gdiplus::RectF card(0.0f, 0.0f, float(client.right) - 1.0f, float(client.bottom) - 1.0f);
  Gdiplus::SolidBrush white{Gdiplus::Color(palette::kCard)};
  FillRoundedRect(graphics, white, card, radius);
  return card;
}

void FinishCard(Gdiplus::Graphics& graphics, const Gdiplus::RectF& card, float radius, Gdiplus::ARGB bandColor,
                const Gdiplus::RectF& band) {
  auto outline = RoundedRectPath(card, radius);
  graphics.SetClip(outline.get());
  Gdiplus::SolidBrush fill{Gdiplus::Color(bandColor)};
  graphics.FillRectangle(&fill, band);
  graphics.ResetClip();
  Gdiplus::Pen border{Gdiplus::Color(palette::kCardBorder), 1.0f};
  DrawRoundedRect(graphics, border, card, radius);
}

namespace {

void ApplyAlignment(Gdiplus::StringFormat& format, TextAlign align) {
  switch (align) {
    case TextAlign::kNear:
      format.SetAlignment(Gdiplus::StringAlignmentNear);
      break;
    case TextAlign::kCenter:
      format.SetAlignment(Gdiplus::StringAlignmentCenter);
      break;
    case TextAlign::kFar:
      format.SetAlignment(Gdiplus::StringAlignmentFar);
      break;
  }
}

}  // namespace

int MeasureTextHeight(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font, int width) {
  if (text.empty() || width <= 0) return 0;
  Gdiplus::StringFormat format;
  Gdiplus::RectF layout(0.0f, 0.0f, static_cast<float>(width), 100000.0f);
  Gdiplus::RectF bounds;
  if (graphics.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font, layout, &format, &bounds) !=
      Gdiplus::Ok)
    return 0;
  return static_cast<int>(std::ceil(bounds.Height));
}

int MeasureTextWidth(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font) {
  if (text.empty()) return 0;
  Gdiplus::StringFormat format(Gdiplus::StringFormatFlagsNoWrap);
  Gdiplus::RectF layout(0.0f, 0.0f, 100000.0f, 100000.0f);
  Gdiplus::RectF bounds;
  if (graphics.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font, layout, &format, &bounds) !=
      Gdiplus::Ok)
    return 0;
  return static_cast<int>(std::ceil(bounds.Width));
}

void DrawTextBlock(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font,
                   Gdiplus::ARGB color, const Gdiplus::RectF& box, TextAlign align, bool centreVertically) {
  if (text.empty()) return;
  Gdiplus::StringFormat format;
  ApplyAlignment(format, align);
  if (centreVertically) format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisWord);
  Gdiplus::SolidBrush brush{Gdiplus::Color(color)};
  graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, box, &format, &brush);
}

MeasuringContext::MeasuringContext() : dc_(CreateCompatibleDC(nullptr)) {
  graphics_ = std::make_unique<Gdiplus::Graphics>(dc_.get());
  PrepareGraphics(*graphics_);
}

MeasuringContext::~MeasuringContext() { graphics_.reset(); }

void DrawButton(const DRAWITEMSTRUCT& item, const PageStyle& style, ButtonLook look, Gdiplus::ARGB background) {
  const RECT& r = item.rcItem;
  BufferedSurface surface(item.hDC, r);
  Gdiplus::Graphics& g = surface.graphics();
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;

  Gdiplus::SolidBrush backgroundBrush{Gdiplus::Color(background)};
  g.FillRectangle(&backgroundBrush, Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top));

  const int length = GetWindowTextLengthW(item.hwndItem);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(item.hwndItem, buffer.data(), length + 1);
  const std::wstring text(buffer.data());

  const Gdiplus::RectF box(static_cast<float>(r.left), static_cast<float>(r.top),
                           static_cast<float>(r.right - r.left) - 1.0f, static_cast<float>(r.bottom - r.top) - 1.0f);
  const float radius = style.PxF(4.0f);
  Gdiplus::ARGB textColor = palette::kOnAccent;
  switch (look) {
    case ButtonLook::kPrimary: {
      Gdiplus::SolidBrush fill{Gdiplus::Color(disabled  ? palette::kDisabled
                                              : pressed ? palette::kAccentPressed
                                                        : palette::kAccent)};
      FillRoundedRect(g, fill, box, radius);
      break;
    }
    case ButtonLook::kSecondary: {
      Gdiplus::SolidBrush fill{Gdiplus::Color(pressed ? palette::kAccentSoft : palette::kCard)};
      FillRoundedRect(g, fill, box, radius);
      Gdiplus::Pen border{Gdiplus::Color(disabled ? palette::kDisabled : palette::kAccent), 1.0f};
      DrawRoundedRect(g, border, box, radius);
      textColor = disabled ? palette::kDisabled : palette::kAccent;
      break;
    }
    case ButtonLook::kLink:
      textColor = disabled ? palette::kDisabled : pressed ? palette::kAccentPressed : palette::kLink;
      break;
  }
  DrawTextBlock(g, text, look == ButtonLook::kLink ? style.body() : style.button(), textColor, box,
                look == ButtonLook::kLink ? TextAlign::kFar : TextAlign::kCenter, true);

  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    Gdiplus::Pen focus{Gdiplus::Color(look == ButtonLook::kPrimary ? palette::kOnAccentMuted : palette::kAccent), 1.0f};
    focus.SetDashStyle(Gdiplus::DashStyleDot);
    const float inset = style.PxF(3.0f);
    g.DrawRectangle(&focus, box.X + inset, box.Y + inset, box.Width - 2 * inset, box.Height - 2 * inset);
  }
}

}  // namespace zelva::settings
