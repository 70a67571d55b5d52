// How the Version page draws its entries and buttons.
#include <cstdio>
#include <memory>

#include "GdiplusInclude.h"
#include "ModuleContext.h"
#include "VersionPage.h"
#include "VersionPageIds.h"
#include "VersionPageLayout.h"
#include "PageDrawing.h"
#include "WideText.h"

namespace zelva::module {
namespace {

using namespace Gdiplus;

const Color kText(0xFF303840);
const Color kUpToDateColour(0xFF2E7D32);
const Color kAvailableColour(0xFFC05A00);
const Color kUnknownColour(0xFFA02828);

std::wstring Wide(const char* format, const char* value) {
  char line[200];
  std::snprintf(line, sizeof(line), format, value);
  return win::WideFromAnsi(line);
}

}  // namespace

void VersionPage::DrawHeader(HDC dc, const RECT& header, int index) const {
  const VersionEntry& entry = ModuleVersionList().entries[index];
  Graphics g(dc);
  Prepare(g);
  RectF bar(float(header.left), float(header.top), float(header.right - header.left), float(kHeaderHeight));
  SolidBrush page(Color(0xFFF1F1F1));
  g.FillRectangle(&page, float(header.left), float(header.top), float(header.right - header.left),
                  float(header.bottom - header.top));
  if (headerBar_) {
    g.DrawImage(headerBar_.get(), bar);
  } else {
    SolidBrush grey(Color(0xFF8A94A6));
    g.FillRectangle(&grey, bar);
  }
  auto font = PageFont(14.0f, FontStyleBold);
  DrawTextLine(g, win::WideFromAnsi(entry.displayName), *font, Color(0xFFFFFFFF),
               RectF(bar.X + kNameLeft, bar.Y + kNameTop, float(kNameWidth), float(kTextHeight)));
}

void VersionPage::DrawBody(HDC dc, const RECT& body, int index) const {
  const VersionEntry& entry = ModuleVersionList().entries[index];
  Graphics g(dc);
  Prepare(g);
  SolidBrush page(Color(0xFFF1F1F1));
  g.FillRectangle(&page, float(body.left), float(body.top), float(body.right - body.left),
                  float(body.bottom - body.top));
  auto font = PageFont(13.0f, FontStyleRegular);
  auto bold = PageFont(13.0f, FontStyleBold);
  auto line = [&](int top) {
    return RectF(float(body.left + kTextLeft), float(body.top + top), float(kTextWidth), float(kTextHeight));
  };
  DrawTextLine(g, Wide("Installed Version: %s", entry.installedVersion), *font, kText, line(kInstalledTop));
  if (entry.state != kVersionUnknown)
    DrawTextLine(g, Wide("Available Version: %s", entry.publishedVersion), *font, kText, line(kAvailableTop));
  switch (entry.state) {
    case kUpToDate:
      DrawTextLine(g, L"Your product is up to date!", *bold, kUpToDateColour, line(kStatusTop));
      break;
    case kUpdateAvailable:
      DrawTextLine(g, L"A product update is available via the Hangardesk Notifications Page.", *bold,
                   kAvailableColour, line(kStatusTop));
      break;
    default:
      DrawTextLine(g, L"Unable to determine the most recent version!", *bold, kUnknownColour, line(kAvailableTop));
      break;
  }
}

void VersionPage::DrawButton(const DRAWITEMSTRUCT& item) const {
  const int id = int(item.CtlID);
  const RECT& r = item.rcItem;
  RectF box(float(r.left), float(r.top), float(r.right - r.left), float(r.bottom - r.top));
  Graphics g(item.hDC);
  Prepare(g);
  SolidBrush page(Color(0xFFF1F1F1));

  if (id >= IDC_VERSION_CHANGELOG && id < IDC_VERSION_CHANGELOG + kMaxVersionEntries) {
    bool hovered = buttons_[id - IDC_VERSION_CHANGELOG].changelog.hovered != 0;
    g.FillRectangle(&page, box);
    if (changelogIcon_) g.DrawImage(changelogIcon_.get(), box.X + 4, box.Y + (box.Height - 16) / 2, 16.0f, 16.0f);
    auto font = PageFont(13.0f, hovered ? FontStyleUnderline : FontStyleRegular);
    DrawTextLine(g, L"View Changelog", *font, Color(0xFF1F5FA8),
                 RectF(box.X + 26, box.Y, box.Width - 26, box.Height));
  } else if (id >= IDC_VERSION_DOWNLOAD && id < IDC_VERSION_DOWNLOAD + kMaxVersionEntries) {
    bool hovered = buttons_[id - IDC_VERSION_DOWNLOAD].download.hovered != 0;
    g.FillRectangle(&page, box);
    if (buttonImage_) {
      g.DrawImage(buttonImage_.get(), box);
    } else {
      SolidBrush blue(Color(0xFF2F6FC0));
      g.FillRectangle(&blue, box);
    }
    auto font = PageFont(13.0f, hovered ? FontStyleBold | FontStyleUnderline : FontStyleBold);
    DrawTextLine(g, L"Download Update", *font, Color(0xFFFFFFFF), box, StringAlignmentCenter);
  } else if (id >= IDC_VERSION_COLLAPSE && id < IDC_VERSION_COLLAPSE + kMaxVersionEntries) {
    // It sits on the header bar: a slice of the bar behind the sign.
    if (headerBar_)
      g.DrawImage(headerBar_.get(), RectF(box.X, box.Y - float(kCollapseButton.y), box.Width, float(kHeaderHeight)),
                  float(headerBar_.width() / 2), 0.0f, box.Width, float(kHeaderHeight), UnitPixel);
    const images::PngImage& image = buttons_[id - IDC_VERSION_COLLAPSE].lastCollapsed ? expandImage_ : collapseImage_;
    if (image) g.DrawImage(image.get(), box);
  }
}

}  // namespace zelva::module
