// Colours, fonts and the screen scale shared by every window of the home page.
#pragma once

#include <windows.h>
#include "GdiplusInclude.h"

#include <memory>

#include "Gdi.h"
#include "ZelvaContract.h"

namespace zelva::settings {

namespace palette {
constexpr COLORREF kPageColor = RGB(241, 241, 241);
constexpr COLORREF kCardColor = RGB(255, 255, 255);
constexpr COLORREF kTextColor = RGB(31, 38, 51);
constexpr Gdiplus::ARGB kPage = 0xFFF1F1F1;
constexpr Gdiplus::ARGB kAccent = 0xFF2D3A53;
constexpr Gdiplus::ARGB kAccentPressed = 0xFF1C2537;
constexpr Gdiplus::ARGB kAccentSoft = 0xFFE3E7EE;
constexpr Gdiplus::ARGB kOnAccent = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kOnAccentMuted = 0xFFC5CDDB;
constexpr Gdiplus::ARGB kCard = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kCardBorder = 0xFFD6DAE1;
constexpr Gdiplus::ARGB kText = 0xFF1F2633;
constexpr Gdiplus::ARGB kMutedText = 0xFF5C6677;
constexpr Gdiplus::ARGB kLink = 0xFF2F5C9E;
constexpr Gdiplus::ARGB kQuestion = 0xFFC98A1B;
constexpr Gdiplus::ARGB kPositive = 0xFF2E8A57;
constexpr Gdiplus::ARGB kNeutral = 0xFF9AA2AF;
constexpr Gdiplus::ARGB kDisabled = 0xFFB4BAC4;
}  // namespace palette

class PageStyle {
 public:
  // Uses the host's font family when it has a usable one.
  explicit PageStyle(const HostContext& context);
  ~PageStyle();
  PageStyle(const PageStyle&) = delete;
  PageStyle& operator=(const PageStyle&) = delete;

  // A design distance in pixels at the host's screen scale.
  int Px(int design) const;
  float PxF(float design) const;

  const Gdiplus::Font& headline() const { return *headline_; }
  const Gdiplus::Font& lead() const { return *lead_; }
  const Gdiplus::Font& caption() const { return *caption_; }
  const Gdiplus::Font& cardTitle() const { return *cardTitle_; }
  const Gdiplus::Font& body() const { return *body_; }
  const Gdiplus::Font& small() const { return *small_; }
  const Gdiplus::Font& button() const { return *button_; }
  const Gdiplus::Font& glyph() const { return *glyph_; }

  // For the standard controls (check boxes, static text).
  HFONT controlFont() const { return controlFont_.get(); }
  HBRUSH pageBrush() const { return pageBrush_.get(); }
  HBRUSH cardBrush() const { return cardBrush_.get(); }

 private:
  std::unique_ptr<Gdiplus::Font> MakeFont(float pixels, INT style) const;

  double scale_ = 1.0;
  std::unique_ptr<Gdiplus::FontFamily> ownFamily_;
  const Gdiplus::FontFamily* family_ = nullptr;
  std::unique_ptr<Gdiplus::Font> headline_, lead_, caption_, cardTitle_, body_, small_, button_, glyph_;
  win::FontHandle controlFont_;
  win::BrushHandle pageBrush_;
  win::BrushHandle cardBrush_;
};

}  // namespace zelva::settings
