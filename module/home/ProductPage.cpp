#include "ProductPage.h"

#include <string>

#include "FixedText.h"
#include "HomeResources.h"
#include "ModuleCommands.h"
#include "ModuleContext.h"
#include "ModuleResources.h"
#include "PageDrawing.h"
#include "ProductTemplate.h"
#include "ProductTexts.h"
#include "ScreenshotPopup.h"
#include "UninstallKey.h"

namespace zelva::module {

struct ProductPageKind {
  bool expansion;
  int thumbnails;    // how many
  int firstPicture;  // picture resource of the first thumbnail
  int variant;       // not installed while the key is present: the installation note
  int badge;
  const wchar_t* title;
  const wchar_t* subtitle;
  const wchar_t* description;
  const wchar_t* note;
};

namespace {

const ProductPageKind kHome = {false,
                               IDC_HOME_THUMBNAIL_LAST - IDC_HOME_THUMBNAIL_FIRST + 1,
                               IDC_HOME_THUMBNAIL_FIRST - kHomePictureOffset,
                               kVariant200Lr,
                               IDP_BASE_BADGE,
                               kBaseTitle,
                               L"The base package for FSX",
                               kBaseDescription,
                               kBaseInstallNote};
const ProductPageKind kExpansions = {true,
                                     kExpansionThumbnails,
                                     IDP_EXPANSION_PICTURE_FIRST,
                                     kVariant300Er,
                                     IDP_EXPANSION_BADGE,
                                     kExpansionTitle,
                                     L"An expansion for the ZELVA K50-200LR/F in FSX",
                                     kExpansionDescription,
                                     kExpansionInstallNote};

constexpr float kMargin = 12.0f;
constexpr Gdiplus::ARGB kInk = 0xFF2D3A53;
constexpr Gdiplus::ARGB kSoftInk = 0xFF5A6478;

// The thumbnail grid, in dialog units: five across.
RECT ThumbnailPlace(int index) {
  int column = index % 5, row = index / 5;
  return RECT{7 + column * 98, kThumbnailTop + row * 60, 7 + column * 98 + 92, kThumbnailTop + row * 60 + 54};
}

bool ExpansionInstalled() {
  const ProductInfo& product = Product();
  for (int i = 0; i < product.expansionCount && i < kMaxExpansions; ++i) {
    const ExpansionEntry& expansion = product.expansions[i];
    if (expansion.shortName != nullptr && lstrcmpiA(expansion.shortName, kExpansionName) == 0)
      return expansion.installed != 0;
  }
  return false;
}

void SetLinkButton(const char* address) {
  ExecuteModuleCommand(kModuleSetLinkButton, reinterpret_cast<INT_PTR>(address), 1);
}

float TextHeight(Gdiplus::Graphics& graphics, const wchar_t* text, const Gdiplus::Font* font, float width) {
  Gdiplus::RectF bounds;
  graphics.MeasureString(text, -1, font, Gdiplus::RectF(0, 0, width, 10000.0f), &bounds);
  return bounds.Height;
}

}  // namespace

std::unique_ptr<Page> ProductPage::CreateHome(int, int dialogTemplate, HWND area, HWND) {
  return Create(kHome, dialogTemplate, area);
}

std::unique_ptr<Page> ProductPage::CreateExpansions(int, int dialogTemplate, HWND area, HWND) {
  return Create(kExpansions, dialogTemplate, area);
}

std::unique_ptr<Page> ProductPage::Create(const ProductPageKind& kind, int dialogTemplate, HWND area) {
  std::unique_ptr<ProductPage> page(new ProductPage(kind));
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(dialogTemplate), area, &ProductPage::DialogProcedure,
                         reinterpret_cast<LPARAM>(page.get())) == nullptr)
    return nullptr;
  return page;
}

bool ProductPage::ReadProductKey() {
  char path[300];
  UninstallKeyPath(kProductGuid, path);
  Log("\tChecking key: %s\n", path);
  ProductInfo& product = Product();
  win::RegistryKey key;
  if (OpenUninstallKey(key, path) != ERROR_SUCCESS) return false;
  LONG error = ReadDisplayVersion(key, product.version);
  if (error != ERROR_SUCCESS) {
    Log("\tError reading value: %d\n", int(error));
    return false;
  }
  return true;
}

INT_PTR ProductPage::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return FALSE;
    case WM_PAINT:
      OnPaint();
      return TRUE;
    case WM_ERASEBKGND:
      return DialogResult(1);
    case WM_DRAWITEM:
      DrawThumbnail(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_SETCURSOR:
      return OnSetCursor(reinterpret_cast<HWND>(w)) ? DialogResult(TRUE) : FALSE;
    case WM_COMMAND: {
      int index = ThumbnailIndex(reinterpret_cast<HWND>(l));
      if (index >= 0 && HIWORD(w) == STN_CLICKED) {
        const HostContext* host = Host();
        ShowScreenshot(kind_.firstPicture + index, host != nullptr ? host->mainWindow : GetAncestor(window(), GA_ROOT));
      }
      return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<INT_PTR>(background_.get());
  }
  return FALSE;
}

void ProductPage::OnInitDialog() {
  Log("\n%s - Creating %s page\n", Product().shortName, kind_.expansion ? "expansions" : "product");
  keyPresent_ = ReadProductKey();
  if (!kind_.expansion) Product().registered = keyPresent_ ? 1 : 0;
  DecideBuyButton();
  const ProductInfo& product = Product();
  bool variantInstalled = kind_.variant < product.variantCount && product.variants[kind_.variant].installed != 0;
  // Installed, but not in this simulator: how to bring it here instead of why to buy it.
  showNote_ = keyPresent_ && !variantInstalled;
  if (showNote_) Log("\tShowing the installation note\n");
  MakeThumbnails();
  emblem_.Load(IDP_PRODUCT_EMBLEM, ModuleInstance());
  sectionBar_.Load(IDP_SECTION_BAR, ModuleInstance());
  badge_.Load(kind_.badge, ModuleInstance());
}

void ProductPage::DecideBuyButton() {
  bool buy = false;
  const char* shop = kBaseShopPage;
  if (kind_.expansion) {
    buy = !ExpansionInstalled() && !keyPresent_;
    shop = kExpansionShopPage;
  } else {
    buy = Product().installed == 0 && !keyPresent_;
  }
  if (buy)
    Log("\tBuy link: %s\n", shop);
  else
    Log("\tNo Buy button\n");
  SetLinkButton(buy ? shop : nullptr);
}

void ProductPage::MakeThumbnails() {
  for (int i = 0; i < kind_.thumbnails && i < kMaxThumbnails; ++i) {
    if (!kind_.expansion) {
      thumbnails_[i] = GetDlgItem(window(), IDC_HOME_THUMBNAIL_FIRST + i);
      continue;
    }
    // The host's hover controls, which tell when the pointer is over them.
    RECT place = ThumbnailPlace(i);
    MapDialogRect(window(), &place);
    HoverButtonDescription description = {window(), IDC_HOME_THUMBNAIL_FIRST + i, place.left, place.top,
                                          place.right - place.left, place.bottom - place.top};
    hover_[i].repaintParent = 0;
    CallHost(kHostCreateHoverButton, reinterpret_cast<const char*>(&description), &hover_[i]);
    thumbnails_[i] = hover_[i].window;
  }
}

int ProductPage::ThumbnailIndex(HWND control) const {
  if (control == nullptr) return -1;
  for (int i = 0; i < kind_.thumbnails && i < kMaxThumbnails; ++i)
    if (thumbnails_[i] == control) return i;
  return -1;
}

bool ProductPage::OnSetCursor(HWND over) {
  if (ThumbnailIndex(over) < 0) return false;
  SetCursor(LoadCursor(nullptr, IDC_HAND));
  return true;
}

void ProductPage::OnPaint() {
  win::PaintScope paint(window());
  RECT client;
  GetClientRect(window(), &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  Gdiplus::Bitmap buffer(client.right, client.bottom, PixelFormat32bppARGB);
  {
    Gdiplus::Graphics graphics(&buffer);
    Prepare(graphics);
    FillPageColour(graphics, client);
    DrawPage(graphics, client.right);
  }
  Gdiplus::Graphics screen(paint.dc());
  screen.DrawImage(&buffer, 0, 0, client.right, client.bottom);
}

void ProductPage::DrawPage(Gdiplus::Graphics& graphics, int pageWidth) {
  float width = float(pageWidth) - 2 * kMargin;
  Gdiplus::SolidBrush ink{Gdiplus::Color(kInk)}, soft{Gdiplus::Color(kSoftInk)};
  std::unique_ptr<Gdiplus::Font> titleFont = PageFont(24.0f, Gdiplus::FontStyleBold);
  std::unique_ptr<Gdiplus::Font> subtitleFont = PageFont(14.0f, Gdiplus::FontStyleRegular);
  std::unique_ptr<Gdiplus::Font> body = PageFont(13.5f, Gdiplus::FontStyleRegular);

  float y = 8.0f;
  if (emblem_) graphics.DrawImage(emblem_.get(), Gdiplus::RectF(kMargin, y, 60, 60));
  graphics.DrawString(kind_.title, -1, titleFont.get(), Gdiplus::PointF(kMargin + 72, y + 6), &ink);
  graphics.DrawString(kind_.subtitle, -1, subtitleFont.get(), Gdiplus::PointF(kMargin + 74, y + 38), &soft);
  if (badge_)
    graphics.DrawImage(badge_.get(), Gdiplus::RectF(kMargin + width - float(badge_.width()), y + 16,
                                                    float(badge_.width()), float(badge_.height())));
  y += 76;

  bool note = showNote_;
  y = DrawSection(graphics, note ? L"Installation" : L"About", y, width);
  // Paragraphs one by one, with room between them.
  std::wstring text = note ? kind_.note : kind_.description;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(L"\n\n", start);
    std::wstring paragraph = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    float height = TextHeight(graphics, paragraph.c_str(), body.get(), width - 8);
    graphics.DrawString(paragraph.c_str(), -1, body.get(), Gdiplus::RectF(kMargin + 4, y, width - 8, height + 4),
                        nullptr, &ink);
    y += height + 8;
    start = end == std::wstring::npos ? text.size() : end + 2;
  }
  y += 8;

  y = DrawSection(graphics, L"System Requirements", y, width);
  y = DrawRequirements(graphics, y, width);

  // The heading of the screenshots sits right over the first thumbnail.
  if (thumbnails_[0] != nullptr) {
    RECT first;
    GetWindowRect(thumbnails_[0], &first);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&first), 2);
    float top = float(first.top) - 36.0f;
    DrawSection(graphics, L"Screenshots", top > y ? top : y, width);
  }
}

float ProductPage::DrawSection(Gdiplus::Graphics& graphics, const wchar_t* title, float y, float width) {
  Gdiplus::RectF bar(kMargin, y, width, 26);
  if (sectionBar_) {
    graphics.DrawImage(sectionBar_.get(), bar);
  } else {
    Gdiplus::SolidBrush blue{Gdiplus::Color(kPanelTop)};
    graphics.FillRectangle(&blue, bar);
  }
  std::unique_ptr<Gdiplus::Font> font = PageFont(14.0f, Gdiplus::FontStyleBold);
  Gdiplus::SolidBrush white{Gdiplus::Color(0xFFFFFFFF)};
  Gdiplus::StringFormat middle;
  middle.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  graphics.DrawString(title, -1, font.get(), Gdiplus::RectF(bar.X + 12, bar.Y, bar.Width - 24, bar.Height), &middle,
                      &white);
  return y + 34;
}

float ProductPage::DrawRequirements(Gdiplus::Graphics& graphics, float y, float width) {
  std::unique_ptr<Gdiplus::Font> bold = PageFont(13.0f, Gdiplus::FontStyleBold);
  std::unique_ptr<Gdiplus::Font> body = PageFont(13.0f, Gdiplus::FontStyleRegular);
  Gdiplus::SolidBrush ink{Gdiplus::Color(kInk)}, blue{Gdiplus::Color(kMakerBlue)};
  Gdiplus::SolidBrush white{Gdiplus::Color(0xFFFFFFFF)}, shade{Gdiplus::Color(0xFFE9EDF3)};
  const float labelWidth = 110.0f, columnWidth = (width - labelWidth) / 2, pad = 6.0f;
  const float x0 = kMargin, x1 = x0 + labelWidth, x2 = x1 + columnWidth;
  graphics.DrawString(L"Minimum", -1, bold.get(), Gdiplus::PointF(x1 + pad, y), &blue);
  graphics.DrawString(L"Recommended", -1, bold.get(), Gdiplus::PointF(x2 + pad, y), &blue);
  y += 22;
  for (int i = 0; i < kRequirementCount; ++i) {
    const Requirement& row = kRequirements[i];
    float textWidth = columnWidth - 2 * pad;
    float height = TextHeight(graphics, row.minimum, body.get(), textWidth);
    float other = TextHeight(graphics, row.recommended, body.get(), textWidth);
    if (other > height) height = other;
    height += 2 * pad;
    graphics.FillRectangle(i % 2 == 0 ? &white : &shade, Gdiplus::RectF(x0, y, width, height));
    graphics.DrawString(row.label, -1, bold.get(), Gdiplus::RectF(x0 + pad, y + pad, labelWidth - pad, height), nullptr,
                        &ink);
    graphics.DrawString(row.minimum, -1, body.get(), Gdiplus::RectF(x1 + pad, y + pad, textWidth, height), nullptr,
                        &ink);
    graphics.DrawString(row.recommended, -1, body.get(), Gdiplus::RectF(x2 + pad, y + pad, textWidth, height),
                        nullptr, &ink);
    y += height;
  }
  return y + 12;
}

// The picture scaled into the control with a thin frame; the one under the
// pointer framed in the accent colour.
void ProductPage::DrawThumbnail(const DRAWITEMSTRUCT& item) {
  int index = ThumbnailIndex(item.hwndItem);
  if (index < 0) return;
  int width = item.rcItem.right - item.rcItem.left, height = item.rcItem.bottom - item.rcItem.top;
  if (width <= 0 || height <= 0) return;
  images::PngImage picture;
  picture.Load(kind_.firstPicture + index, ModuleInstance());
  Gdiplus::Bitmap buffer(width, height, PixelFormat32bppARGB);
  {
    Gdiplus::Graphics graphics(&buffer);
    Prepare(graphics);
    Gdiplus::SolidBrush black{Gdiplus::Color(0xFF101820)};
    graphics.FillRectangle(&black, 0, 0, width, height);
    if (picture) graphics.DrawImage(picture.get(), Gdiplus::RectF(1, 1, float(width - 2), float(height - 2)));
    bool hot = hover_[index].hovered != 0;
    Gdiplus::Pen frame(Gdiplus::Color(hot ? kAccent : 0xFF9AA6B8), hot ? 3.0f : 1.0f);
    graphics.DrawRectangle(&frame, Gdiplus::RectF(0.5f, 0.5f, float(width) - 1, float(height) - 1));
  }
  Gdiplus::Graphics screen(item.hDC);
  screen.DrawImage(&buffer, item.rcItem.left, item.rcItem.top, width, height);
}

}  // namespace zelva::module
