#include "DownloaderList.h"

#include <windowsx.h>

#include <memory>
#include <string>

#include "DownloaderText.h"
#include "LiveryTables.h"
#include "ModuleContext.h"
#include "Page.h"
#include "PageDrawing.h"
#include "ProcessingThread.h"
#include "WideText.h"

namespace zelva::module {
namespace {

constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr int kWheelStep = 40;
constexpr Gdiplus::ARGB kThumbnailBack = 0xFF254069;

void DrawImage(Gdiplus::Graphics& graphics, const images::PngImage& image, const Gdiplus::RectF& box,
               Gdiplus::ARGB fallback) {
  if (image) {
    graphics.DrawImage(image.get(), box);
    return;
  }
  Gdiplus::SolidBrush brush{Gdiplus::Color(fallback)};
  graphics.FillRectangle(&brush, box);
}

livery::RowState StateOf(const LiveryCatalogEntry& entry) {
  livery::RowState state;
  state.installed = entry.installed;
  state.updateAvailable = entry.updateAvailable;
  state.downloading = entry.downloading || entry.installPending;
  state.hasDownload = entry.download != nullptr || entry.installPending;
  state.downloadState = entry.installPending ? uint8_t(kDownloadComplete)
                        : entry.download != nullptr ? entry.download->data.state
                                                    : uint8_t(kDownloadNew);
  return state;
}

const images::PngImage& ButtonFace(const DownloaderSkin& skin, const livery::RowState& state) {
  if (state.downloading) return skin.redButton;
  if (!state.installed) return skin.largeButton;
  return state.updateAvailable ? skin.greenButton : skin.grayButton;
}

void DrawProgress(Gdiplus::Graphics& graphics, const DownloaderSkin& skin, const Gdiplus::RectF& bar, float share) {
  const float end = bar.Height / 2;
  DrawImage(graphics, skin.barLeft, Gdiplus::RectF(bar.X, bar.Y, end, bar.Height), 0xFFB0B0B0);
  DrawImage(graphics, skin.barCenter, Gdiplus::RectF(bar.X + end, bar.Y, bar.Width - 2 * end, bar.Height), 0xFFB0B0B0);
  DrawImage(graphics, skin.barRight, Gdiplus::RectF(bar.X + bar.Width - end, bar.Y, end, bar.Height), 0xFFB0B0B0);
  if (share <= 0) return;
  if (share > 1) share = 1;
  const float filled = (bar.Width - 2 * end) * share;
  DrawImage(graphics, skin.progressStart, Gdiplus::RectF(bar.X, bar.Y, end, bar.Height), 0xFF3A8A3A);
  DrawImage(graphics, skin.progressLight, Gdiplus::RectF(bar.X + end, bar.Y, filled, bar.Height / 2), 0xFF4CAF50);
  DrawImage(graphics, skin.progressDark, Gdiplus::RectF(bar.X + end, bar.Y + bar.Height / 2, filled, bar.Height / 2),
            0xFF3A8A3A);
  DrawImage(graphics, skin.progressEnd, Gdiplus::RectF(bar.X + end + filled, bar.Y, end, bar.Height), 0xFF3A8A3A);
}

}  // namespace

bool DownloaderList::Create(HWND placeholder, const DownloaderSkin& skin) {
  skin_ = &skin;
  Register(nullptr);
  HWND parent = GetParent(placeholder);
  RECT r = {};
  GetWindowRect(placeholder, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  const INT_PTR id = GetDlgCtrlID(placeholder);
  DestroyWindow(placeholder);
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, r.left, r.top,
                         r.right - r.left, r.bottom - r.top, parent, reinterpret_cast<HMENU>(id), ModuleInstance(),
                         this) != nullptr;
}

void DownloaderList::Refresh() {
  std::vector<livery::GroupShape> groups;
  {
    std::lock_guard<std::mutex> guard(TablesLock());
    for (int variant = 0; variant < kMaxVariants; ++variant) {
      if (!IsCatalogueVariant(variant)) continue;
      groups.push_back({variant, int(Tables().variants[size_t(variant)].size()), collapsed_[size_t(variant)]});
    }
  }
  items_ = livery::LayOutGroups(groups, kHeaderHeight, kRowHeight);
  UpdateScrollBar();
  InvalidateRect(window(), nullptr, FALSE);
}

int DownloaderList::ClientWidth() const {
  RECT r = {};
  GetClientRect(window(), &r);
  return r.right;
}

int DownloaderList::ClientHeight() const {
  RECT r = {};
  GetClientRect(window(), &r);
  return r.bottom;
}

RECT DownloaderList::ButtonRect(const livery::LayoutItem& row) const {
  const int left = ClientWidth() - kButtonWidth - 12;
  const int top = row.top - scroll_ + 14;
  return RECT{left, top, left + kButtonWidth, top + kButtonHeight};
}

void DownloaderList::UpdateScrollBar() {
  const int content = livery::ContentHeight(items_);
  const int page = ClientHeight();
  if (scroll_ > content - page) scroll_ = content > page ? content - page : 0;
  SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, content > 0 ? content - 1 : 0,
                     UINT(page), scroll_, 0};
  SetScrollInfo(window(), SB_VERT, &info, TRUE);
}

void DownloaderList::ScrollTo(int position) {
  const int most = livery::ContentHeight(items_) - ClientHeight();
  if (position > most) position = most;
  if (position < 0) position = 0;
  if (position == scroll_) return;
  scroll_ = position;
  UpdateScrollBar();
  InvalidateRect(window(), nullptr, FALSE);
}

void DownloaderList::OnClick(int x, int y) {
  const livery::LayoutItem* item = livery::ItemAt(items_, y + scroll_);
  if (item == nullptr) return;
  if (item->kind == livery::ItemKind::kHeader) {
    collapsed_[size_t(item->variant)] = !collapsed_[size_t(item->variant)];
    Refresh();
    return;
  }
  if (item->kind != livery::ItemKind::kRow) return;
  const RECT button = ButtonRect(*item);
  const POINT at = {x, y};
  if (PtInRect(&button, at))
    SendMessageW(GetParent(window()), kRowButtonMessage, WPARAM(item->variant), LPARAM(item->row));
}

void DownloaderList::Paint(HDC dc) {
  const int width = ClientWidth(), height = ClientHeight();
  if (width <= 0 || height <= 0) return;
  Gdiplus::Bitmap canvas(width, height, PixelFormat32bppPARGB);
  Gdiplus::Graphics graphics(&canvas);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.Clear(Gdiplus::Color(255, GetRValue(kPageColour), GetGValue(kPageColour), GetBValue(kPageColour)));
  auto headerFont = PageFont(14, Gdiplus::FontStyleBold);
  auto nameFont = PageFont(14, Gdiplus::FontStyleBold);
  auto smallFont = PageFont(12, Gdiplus::FontStyleRegular);
  Gdiplus::SolidBrush white{Gdiplus::Color(0xFFFFFFFF)};
  Gdiplus::SolidBrush blue{Gdiplus::Color(kMakerBlue)};
  Gdiplus::SolidBrush grey{Gdiplus::Color(0xFF606060)};
  Gdiplus::StringFormat centred;
  centred.SetAlignment(Gdiplus::StringAlignmentCenter);
  centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  Gdiplus::StringFormat left;
  left.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  left.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  left.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);

  const ProductInfo& product = Product();
  // Thumbnails are swapped by the processing thread under this lock.
  std::lock_guard<std::mutex> guard(TablesLock());
  for (const livery::LayoutItem& item : items_) {
    const float top = float(item.top - scroll_);
    if (top + float(item.height) < 0 || top > float(height)) continue;
    const float w = float(width);
    if (item.kind == livery::ItemKind::kHeader) {
      DrawImage(graphics, skin_->headerBar, Gdiplus::RectF(0, top, w, float(item.height) - 2), kMakerBlue);
      const std::wstring name = win::WideFromAnsi(product.variants[item.variant].name);
      graphics.DrawString(name.c_str(), -1, headerFont.get(), Gdiplus::RectF(10, top, w - 50, float(item.height) - 2),
                          &left, &white);
      const images::PngImage& toggle = collapsed_[size_t(item.variant)] ? skin_->expand : skin_->collapse;
      if (toggle)
        graphics.DrawImage(toggle.get(), Gdiplus::RectF(w - 30, top + 3, 18, float(item.height) - 8));
      continue;
    }
    if (item.kind == livery::ItemKind::kEmpty) {
      graphics.DrawString(L"No liveries found for this aircraft!", -1, nameFont.get(),
                          Gdiplus::RectF(0, top, w, float(item.height)), &centred, &grey);
      continue;
    }
    const LiveryTable& table = Tables().variants[size_t(item.variant)];
    if (item.row < 0 || size_t(item.row) >= table.size()) continue;
    const LiveryCatalogEntry& entry = table[size_t(item.row)];
    Gdiplus::SolidBrush rowBack{Gdiplus::Color(item.row % 2 != 0 ? 0xFFE8E8E8 : 0xFFF8F8F8)};
    graphics.FillRectangle(&rowBack, Gdiplus::RectF(0, top, w, float(item.height) - 1));

    const Gdiplus::RectF picture(8, top + 6, 120, float(item.height) - 12);
    Gdiplus::SolidBrush pictureBack{Gdiplus::Color(kThumbnailBack)};
    graphics.FillRectangle(&pictureBack, picture);
    if (entry.thumbnail)
      graphics.DrawImage(entry.thumbnail.get(),
                         Gdiplus::RectF(picture.X + 1, picture.Y + 1, picture.Width - 2, picture.Height - 2));

    const RECT button = ButtonRect(item);
    const float textLeft = 140, textRight = float(button.left) - 10;
    const std::wstring name = win::WideFromAnsi(entry.record.name.c_str());
    Gdiplus::RectF nameBox(textLeft, top + 10, textRight - textLeft, 20);
    Gdiplus::RectF measured;
    graphics.MeasureString(name.c_str(), -1, nameFont.get(), nameBox, &left, &measured);
    graphics.DrawString(name.c_str(), -1, nameFont.get(), nameBox, &left, &blue);
    if (entry.record.configAccurate == 1 && skin_->configAccurate) {
      const float x = textLeft + measured.Width + 6;
      if (x + 18 < textRight) graphics.DrawImage(skin_->configAccurate.get(), Gdiplus::RectF(x, top + 11, 18, 18));
    }
    const std::wstring size = win::WideFromAnsi(livery::SizeText(entry.record.size).c_str());
    graphics.DrawString(size.c_str(), -1, smallFont.get(), Gdiplus::RectF(textLeft, top + 34, textRight - textLeft, 16),
                        &left, &grey);

    const livery::RowState state = StateOf(entry);
    const Gdiplus::RectF face(float(button.left), float(button.top), float(kButtonWidth), float(kButtonHeight));
    DrawImage(graphics, ButtonFace(*skin_, state), face, state.downloading ? 0xFFB03030 : kMakerBlue);
    const std::wstring text = win::WideFromAnsi(livery::RowButtonText(state));
    graphics.DrawString(text.c_str(), -1, nameFont.get(), face, &centred, &white);
    if (livery::RowShowsProgress(state) && entry.download != nullptr) {
      const DownloadObjectData& data = entry.download->data;
      const float share = data.bytesExpected > 0 ? float(data.bytesReceived) / float(data.bytesExpected) : 0.0f;
      DrawProgress(graphics, *skin_, Gdiplus::RectF(face.X, face.Y + face.Height + 8, face.Width, 12), share);
    }
  }
  Gdiplus::Graphics screen(dc);
  screen.DrawImage(&canvas, 0, 0);
}

LRESULT DownloaderList::OnMessage(UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (HandlePaintMessage(message, w, result)) return result;
  switch (message) {
    case kEntryChangedMessage:
      Refresh();
      SendMessageW(GetParent(window()), kEntryChangedMessage, 0, 0);
      return 0;
    case WM_SIZE:
      UpdateScrollBar();
      return 0;
    case WM_LBUTTONUP:
      OnClick(GET_X_LPARAM(l), GET_Y_LPARAM(l));
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(scroll_ - GET_WHEEL_DELTA_WPARAM(w) / WHEEL_DELTA * kWheelStep);
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO info = {};
      info.cbSize = sizeof(info);
      info.fMask = SIF_ALL;
      GetScrollInfo(window(), SB_VERT, &info);
      switch (LOWORD(w)) {
        case SB_LINEUP: ScrollTo(scroll_ - kWheelStep); break;
        case SB_LINEDOWN: ScrollTo(scroll_ + kWheelStep); break;
        case SB_PAGEUP: ScrollTo(scroll_ - int(info.nPage)); break;
        case SB_PAGEDOWN: ScrollTo(scroll_ + int(info.nPage)); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
        default: break;
      }
      return 0;
    }
    default:
      return Default(message, w, l);
  }
}

}  // namespace zelva::module
