#include "VariantSelector.h"

#include <commctrl.h>

#include <memory>

#include "Gdi.h"
#include "ModuleContext.h"
#include "Page.h"

namespace zelva::module {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kFieldHeight = 20, kItemHeight = 27, kDecorationHeight = 8;
constexpr float kTextPixels = 14.0f;
constexpr Gdiplus::ARGB kDropColour = 0xFF242F46, kFrameColour = 0xFF54668A;

// The host's font family at the given pixel size; Arial without a host.
void DrawLabel(Gdiplus::Graphics& graphics, const char* text, const Gdiplus::RectF& box) {
  const HostContext* host = Host();
  auto* family = host != nullptr ? static_cast<const Gdiplus::FontFamily*>(host->fontFamily) : nullptr;
  std::unique_ptr<Gdiplus::FontFamily> fallback;
  if (family == nullptr || !family->IsAvailable()) {
    fallback = std::make_unique<Gdiplus::FontFamily>(L"Arial");
    family = fallback.get();
  }
  Gdiplus::Font font(family, kTextPixels, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
  Gdiplus::SolidBrush white{Gdiplus::Color(0xFFFFFFFF)};
  Gdiplus::StringFormat format;
  format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
  wchar_t wide[128] = {};
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 127);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  graphics.DrawString(wide, -1, &font, box, &format, &white);
}

}  // namespace

void VariantSelector::Attach(HWND combo, const images::PngImage& face, const images::PngImage& highlight) {
  Detach();
  combo_ = combo;
  face_ = &face;
  highlight_ = &highlight;
  if (combo_ == nullptr) return;
  SetWindowSubclass(combo_, &ComboProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  if (GetComboBoxInfo(combo_, &info) && info.hwndList != nullptr) {
    list_ = info.hwndList;
    // The drop-down draws its own frame instead of the standard border.
    SetWindowLongPtrA(list_, GWL_STYLE, GetWindowLongPtrA(list_, GWL_STYLE) & ~LONG_PTR(WS_BORDER));
    SetWindowLongPtrA(list_, GWL_EXSTYLE, GetWindowLongPtrA(list_, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_CLIENTEDGE));
    SetWindowPos(list_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SetWindowSubclass(list_, &ListProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
  SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
  const ProductInfo& product = Product();
  AddItem("Header", kDecorationItem);
  bool baseInstalled = product.variantCount > 0 && product.variants[0].installed != 0;
  for (int variant = 0; baseInstalled && variant < product.variantCount && variant < kMaxVariants; ++variant)
    if (product.variants[variant].installed != 0) AddItem(product.variants[variant].name, variant);
  AddItem("Footer", kDecorationItem);
}

void VariantSelector::Detach() {
  if (combo_ != nullptr) RemoveWindowSubclass(combo_, &ComboProcedure, kSubclassId);
  if (list_ != nullptr) RemoveWindowSubclass(list_, &ListProcedure, kSubclassId);
  combo_ = list_ = nullptr;
}

void VariantSelector::AddItem(const char* text, LPARAM data) {
  LRESULT item = SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  if (item >= 0) SendMessageA(combo_, CB_SETITEMDATA, WPARAM(item), data);
}

int VariantSelector::ChosenVariant() const {
  if (combo_ == nullptr) return -1;
  LRESULT item = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
  if (item < 0) return -1;
  LRESULT data = SendMessageA(combo_, CB_GETITEMDATA, WPARAM(item), 0);
  return data == kDecorationItem || data == CB_ERR ? -1 : int(data);
}

bool VariantSelector::Choose(int variant) {
  LRESULT count = SendMessageA(combo_, CB_GETCOUNT, 0, 0);
  for (LRESULT item = 0; item < count; ++item) {
    if (SendMessageA(combo_, CB_GETITEMDATA, WPARAM(item), 0) != variant || variant < 0) continue;
    ChooseItem(int(item));
    return true;
  }
  SendMessageA(combo_, CB_SETCURSEL, WPARAM(-1), 0);
  InvalidateRect(combo_, nullptr, TRUE);
  return false;
}

void VariantSelector::ChooseItem(int item) {
  SendMessageA(combo_, CB_SETCURSEL, WPARAM(item), 0);
  InvalidateRect(combo_, nullptr, TRUE);
}

void VariantSelector::Measure(MEASUREITEMSTRUCT& item) const {
  if (item.itemID == UINT(-1)) {
    item.itemHeight = kFieldHeight;
  } else {
    item.itemHeight = item.itemData == UINT_PTR(kDecorationItem) ? kDecorationHeight : kItemHeight;
  }
}

void VariantSelector::Draw(const DRAWITEMSTRUCT& item) const {
  // The selection field is the face, which the combo box's own paint draws.
  if (item.itemID == UINT(-1) || (item.itemState & ODS_COMBOBOXEDIT)) return;
  const RECT& r = item.rcItem;
  Gdiplus::Graphics graphics(item.hDC);
  Gdiplus::SolidBrush drop{Gdiplus::Color(kDropColour)};
  graphics.FillRectangle(&drop, Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top));
  if (item.itemData == UINT_PTR(kDecorationItem)) {
    // The top and the bottom edge of the drop-down.
    Gdiplus::SolidBrush edge{Gdiplus::Color(kFrameColour)};
    int y = item.itemID == 0 ? r.top : r.bottom - 2;
    graphics.FillRectangle(&edge, Gdiplus::Rect(r.left, y, r.right - r.left, 2));
    return;
  }
  if ((item.itemState & ODS_SELECTED) && highlight_ != nullptr && *highlight_)
    graphics.DrawImage(highlight_->get(), Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top));
  char text[128] = {};
  if (SendMessageA(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0) < LRESULT(sizeof(text)))
    SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
  DrawLabel(graphics, text, Gdiplus::RectF(float(r.left + 10), float(r.top + (r.bottom - r.top - 20) / 2), 180.0f, 20.0f));
}

void VariantSelector::PaintFace(HDC dc) const {
  RECT r;
  GetClientRect(combo_, &r);
  Gdiplus::Graphics graphics(dc);
  graphics.Clear(Gdiplus::Color(0xFF, GetRValue(kPageColour), GetGValue(kPageColour), GetBValue(kPageColour)));
  if (face_ != nullptr && *face_) {
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.DrawImage(face_->get(), Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top));
  }
  int variant = ChosenVariant();
  const char* text = variant >= 0 ? Product().variants[variant].name : "Please select a variant";
  // 160 x 20 from (15, 4), centred on a face that is lower than 24 pixels.
  float top = r.bottom < 24 ? float(r.bottom - 20) / 2.0f : 4.0f;
  DrawLabel(graphics, text, Gdiplus::RectF(15.0f, top, 160.0f, 20.0f));
}

LRESULT CALLBACK VariantSelector::ComboProcedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                 DWORD_PTR self) {
  try {
    switch (message) {
      case WM_PAINT: {
        win::PaintScope paint(window);
        reinterpret_cast<VariantSelector*>(self)->PaintFace(paint.dc());
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      // Choices come only from the drop-down.
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_CHAR:
      case WM_SYSKEYDOWN:
      case WM_MOUSEWHEEL:
        return 0;
    }
  } catch (...) {
    return 0;
  }
  return DefSubclassProc(window, message, w, l);
}

LRESULT CALLBACK VariantSelector::ListProcedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  LRESULT result = DefSubclassProc(window, message, w, l);
  if (message == WM_PAINT) {
    RECT r;
    GetClientRect(window, &r);
    win::WindowDc dc(window);
    win::BrushHandle frame(CreateSolidBrush(RGB(0x54, 0x66, 0x8A)));
    FrameRect(dc.get(), &r, frame.get());
  }
  return result;
}

}  // namespace zelva::module
