#include "PageFont.h"

#include "ModuleContext.h"

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

}  // namespace zelva::module
