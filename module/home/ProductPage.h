// The product home page and the Expansions page: what the product (or its
// expansion) is, the system requirements, screenshots that open at full size,
// and the product window's "Buy Now" button while it is not installed.
#pragma once

#include <windows.h>

#include <memory>

#include "Gdi.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "PngResource.h"
#include "ZelvaContract.h"

namespace zelva::module {

struct ProductPageKind;

class ProductPage : public Page, public ui::ObjectWindow<ProductPage> {
 public:
  static std::unique_ptr<Page> CreateHome(int page, int dialogTemplate, HWND area, HWND productWindow);
  static std::unique_ptr<Page> CreateExpansions(int page, int dialogTemplate, HWND area, HWND productWindow);
  ~ProductPage() override { DestroyWindowNow(); }
  HWND window() const override { return ObjectWindow::window(); }

  // Whether the product's uninstall key holds a "DisplayVersion"; the version
  // goes into the product description.
  static bool ReadProductKey();

 private:
  friend class ui::ObjectWindow<ProductPage>;
  static constexpr int kMaxThumbnails = 25;
  static std::unique_ptr<Page> Create(const ProductPageKind& kind, int dialogTemplate, HWND area);
  explicit ProductPage(const ProductPageKind& kind) : kind_(kind) {}
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void OnInitDialog();
  void DecideBuyButton();
  void MakeThumbnails();
  bool OnSetCursor(HWND over);
  void OnPaint();
  void DrawPage(Gdiplus::Graphics& graphics, int width);
  float DrawSection(Gdiplus::Graphics& graphics, const wchar_t* title, float y, float width);
  float DrawRequirements(Gdiplus::Graphics& graphics, float y, float width);
  void DrawThumbnail(const DRAWITEMSTRUCT& item);
  int ThumbnailIndex(HWND control) const;

  const ProductPageKind& kind_;
  bool keyPresent_ = false;
  bool showNote_ = false;
  HWND thumbnails_[kMaxThumbnails] = {};
  HoverButtonRecord hover_[kMaxThumbnails] = {};
  images::PngImage emblem_, sectionBar_, badge_;
  win::BrushHandle background_{CreateSolidBrush(kPageColour)};
};

}  // namespace zelva::module
