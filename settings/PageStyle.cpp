#include "PageStyle.h"

#include <cmath>

namespace zelva::settings {
namespace {

std::unique_ptr<Gdiplus::FontFamily> FirstAvailableFamily() {
  for (const wchar_t* name : {L"Segoe UI", L"Arial", L"Tahoma", L"Microsoft Sans Serif"}) {
    auto family = std::make_unique<Gdiplus::FontFamily>(name);
    if (family->IsAvailable()) return family;
  }
  return nullptr;
}

}  // namespace

PageStyle::PageStyle(const HostContext& context) {
  // The host records 96 / dpi; anything implausible means "not measured".
  if (context.scaleX > 0.2 && context.scaleX < 5.0) scale_ = 1.0 / context.scaleX;

  auto* hostFamily = static_cast<const Gdiplus::FontFamily*>(context.fontFamily);
  if (hostFamily != nullptr && hostFamily->IsAvailable()) {
    family_ = hostFamily;
  } else {
    ownFamily_ = FirstAvailableFamily();
    family_ = ownFamily_.get();
  }

  headline_ = MakeFont(22.0f, Gdiplus::FontStyleBold);
  lead_ = MakeFont(13.0f, Gdiplus::FontStyleRegular);
  caption_ = MakeFont(15.0f, Gdiplus::FontStyleBold);
  cardTitle_ = MakeFont(14.0f, Gdiplus::FontStyleBold);
  body_ = MakeFont(13.0f, Gdiplus::FontStyleRegular);
  small_ = MakeFont(11.5f, Gdiplus::FontStyleRegular);
  button_ = MakeFont(12.5f, Gdiplus::FontStyleBold);
  glyph_ = MakeFont(16.0f, Gdiplus::FontStyleBold);

  WCHAR faceName[LF_FACESIZE] = L"Segoe UI";
  if (family_ != nullptr) family_->GetFamilyName(faceName);
  controlFont_.reset(CreateFontW(-Px(13), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, faceName));
  pageBrush_.reset(CreateSolidBrush(palette::kPageColor));
  cardBrush_.reset(CreateSolidBrush(palette::kCardColor));
}

PageStyle::~PageStyle() = default;

int PageStyle::Px(int design) const { return static_cast<int>(std::lround(design * scale_)); }

float PageStyle::PxF(float design) const { return static_cast<float>(design * scale_); }

std::unique_ptr<Gdiplus::Font> PageStyle::MakeFont(float pixels, INT style) const {
  // A font on a missing family is invalid but safe to draw with: GDI+ then
  // draws nothing instead of failing the page.
  return std::make_unique<Gdiplus::Font>(family_, PxF(pixels), style, Gdiplus::UnitPixel);
}

}  // namespace zelva::settings
