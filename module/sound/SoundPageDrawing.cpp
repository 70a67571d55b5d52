// How the Sound Settings page draws its panels, its progress bars and its
// buttons.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "ModuleContext.h"
#include "SoundDownload.h"
#include "SoundPage.h"
#include "SoundPageIds.h"
#include "SoundRules.h"
#include "PageDrawing.h"
#include "WideText.h"

namespace zelva::module {
namespace {

using namespace Gdiplus;

const Color kPageBackground(0xFFF1F1F1);
const Color kBodyBackground(0xFFFFFFFF);
const Color kBorder(0xFFD3D8E0);
const Color kText(0xFF303840);
const Color kMuted(0xFF5C6677);
const Color kHeaderFallback(0xFF2F5C9E);
const Color kFillLightFallback(0xFF7FB2EA);
const Color kFillDarkFallback(0xFF2F6FC0);

void Text(Graphics& g, const std::string& text, const Font& font, const Color& colour, const RectF& box,
          StringAlignment alignment = StringAlignmentNear) {
  DrawTextLine(g, win::WideFromAnsi(text.c_str()), font, colour, box, alignment);
}

std::string Formatted(const char* format, const char* value) {
  char line[300];
  std::snprintf(line, sizeof(line), format, value);
  return line;
}

RectF BoxOf(const RECT& r) {
  return RectF(float(r.left), float(r.top), float(r.right - r.left), float(r.bottom - r.top));
}

void ImageOrFill(Graphics& g, const images::PngImage& image, const RectF& box, const Color& fallback) {
  if (image) {
    g.DrawImage(image.get(), box);
  } else {
    SolidBrush fill(fallback);
    g.FillRectangle(&fill, box);
  }
}

std::string Caption(HWND control) {
  char text[64] = {};
  GetWindowTextA(control, text, sizeof(text));
  return text;
}

}  // namespace

void SoundPage::Paint(HDC dc) {
  RECT client = {};
  GetClientRect(window(), &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  Bitmap canvas(client.right, client.bottom, PixelFormat32bppARGB);
  {
    Graphics g(&canvas);
    Prepare(g);
    g.Clear(kPageBackground);
    for (int index = 0; index < count_; ++index) DrawPanel(g, index);
  }
  Graphics screen(dc);
  screen.DrawImage(&canvas, 0, 0, client.right, client.bottom);
}

void SoundPage::DrawPanel(Graphics& g, int index) const {
  const SoundSetRecord& record = SoundSets().records[index];
  const bool exterior = record.kind == SoundKind::kExterior;
  const SoundPanelPlace place = PanelOf(index);

  ImageOrFill(g, images_.headerBar, BoxOf(place.header), kHeaderFallback);
  auto bold = PageFont(14.0f, FontStyleBold);
  RectF title = BoxOf(place.header);
  title.X += kSoundTextLeft + 6;
  title.Width -= kSoundTextLeft + 6 + kCollapsePlace.x + 10;
  Text(g, std::string(record.name) + (exterior ? " Exterior" : " Interior"), *bold, Color(0xFFFFFFFF), title);
  if (collapsed_[index]) return;

  const RECT& body = place.body;
  SolidBrush white(kBodyBackground);
  g.FillRectangle(&white, BoxOf(body));
  Pen border(kBorder);
  g.DrawRectangle(&border, float(body.left), float(body.top), float(body.right - body.left - 1),
                  float(body.bottom - body.top - 1));

  auto font = PageFont(13.0f, FontStyleRegular);
  auto strong = PageFont(13.0f, FontStyleBold);
  const float width = float(body.right - body.left - 2 * kSoundTextLeft);
  auto line = [&](int top) {
    return RectF(float(body.left + kSoundTextLeft), float(body.top + top), width, float(kSoundTextHeight));
  };
  Text(g,
       Formatted(exterior ? "ZELVA is pleased to offer an optional surround sound package for the %s."
                          : "ZELVA is pleased to offer an optional 22 KHz interior sound package for the %s.",
                 record.name),
       *strong, kText, line(kOfferTop));
  if (record.downloaded) {
    Text(g, "Select the desired sound set below and it will automatically be installed.", *font, kText,
         line(kChooseTop));
    return;
  }
  if (exterior) {
    Text(g, "This alternate soundset should only be used by customers who have a 5.1 or similar sound system.", *font,
         kText, line(kExplanationTop));
    Text(g, "The default soundset should be used for 2-channel stereo or headphone configurations.", *font, kText,
         line(kExplanationTop + kSoundTextHeight));
  } else {
    Text(g, "This alternate soundset should be used by customers who desire a lower bitrate soundset", *font, kText,
         line(kExplanationTop));
    Text(g, "for decreased memory usage.  There may be a noticable loss in sound quality.", *font, kText,
         line(kExplanationTop + kSoundTextHeight));
  }
  auto note = PageFont(13.0f, FontStyleItalic);
  Text(g,
       exterior ? "This package is approximately 50MB and may take a while to download."
                : "This package is approximately 120MB and may take a while to download.",
       *note, kMuted, line(kSizeNoteTop));
  if (SoundDownloadRunning(index))
    DrawProgress(g, index, body);
  else
    Text(g, "Click the button above to download this sound pack.", *font, kMuted, line(kHintTop));
}

// The trough, then the filled part as tiles: three light, three dark, again.
void SoundPage::DrawProgress(Graphics& g, int index, const RECT& body) const {
  const SoundDownloadProgress progress = ProgressOfSoundDownload(index);
  const float left = float(body.left + kBarLeft), top = float(body.top + kBarTop);
  const float right = float(body.right - kSoundTextLeft);
  if (right - left < 40) return;
  const float cap = images_.troughLeft ? float(images_.troughLeft.width()) : 6.0f;
  ImageOrFill(g, images_.troughLeft, RectF(left, top, cap, float(kBarHeight)), Color(0xFFB8C0CC));
  ImageOrFill(g, images_.troughCenter, RectF(left + cap, top, right - left - 2 * cap, float(kBarHeight)),
              Color(0xFFE4E8EE));
  ImageOrFill(g, images_.troughRight, RectF(right - cap, top, cap, float(kBarHeight)), Color(0xFFB8C0CC));

  double fraction = progress.expected > 0 ? double(progress.received) / double(progress.expected) : 0.0;
  fraction = std::clamp(fraction, 0.0, 1.0);
  const float innerLeft = left + 2, innerTop = top + 3, innerHeight = float(kBarHeight - 6);
  const float filled = float(fraction * double(right - left - 4));
  const float end = images_.fillEnd ? float(images_.fillEnd.width()) : 4.0f;
  if (filled >= 2 * end) {
    ImageOrFill(g, images_.fillStart, RectF(innerLeft, innerTop, end, innerHeight), kFillDarkFallback);
    const float tile = images_.fillLight ? float(images_.fillLight.width()) : 8.0f;
    int step = 0;
    g.SetClip(RectF(innerLeft + end, innerTop, filled - 2 * end, innerHeight));
    for (float x = innerLeft + end; x < innerLeft + filled - end; x += tile, ++step) {
      const bool light = step % 6 < 3;
      ImageOrFill(g, light ? images_.fillLight : images_.fillDark, RectF(x, innerTop, tile, innerHeight),
                  light ? kFillLightFallback : kFillDarkFallback);
    }
    g.ResetClip();
    ImageOrFill(g, images_.fillEnd, RectF(innerLeft + filled - end, innerTop, end, innerHeight), kFillDarkFallback);
  }
  auto font = PageFont(13.0f, FontStyleRegular);
  Text(g, progress.status, *font, kText,
       RectF(left, float(body.top + kStatusTop), right - left, float(kSoundTextHeight)));
}

void SoundPage::DrawButton(const DRAWITEMSTRUCT& item) const {
  const int id = int(item.CtlID);
  RectF box = BoxOf(item.rcItem);
  Bitmap canvas(std::max(1, int(box.Width)), std::max(1, int(box.Height)), PixelFormat32bppARGB);
  {
    Graphics g(&canvas);
    Prepare(g);
    const RectF local(0, 0, box.Width, box.Height);
    if (id >= IDC_SOUND_COLLAPSE && id < IDC_SOUND_COLLAPSE + kMaxSoundSets) {
      // On the header bar: its slice behind the sign.
      if (images_.headerBar)
        g.DrawImage(images_.headerBar.get(), RectF(0, -float(kCollapsePlace.y), box.Width, float(kSoundHeaderHeight)),
                    float(images_.headerBar.width() / 2), 0.0f, box.Width, float(kSoundHeaderHeight), UnitPixel);
      else
        g.Clear(kHeaderFallback);
      const images::PngImage& sign = collapsed_[id - IDC_SOUND_COLLAPSE] ? images_.expand : images_.collapse;
      if (sign) g.DrawImage(sign.get(), local);
    } else if (id >= IDC_SOUND_DOWNLOAD && id < IDC_SOUND_DOWNLOAD + kMaxSoundSets) {
      g.Clear(kBodyBackground);
      ImageOrFill(g, images_.button, local, kFillDarkFallback);
      if (item.itemState & ODS_SELECTED) {
        SolidBrush pressed(Color(0x30000000));
        g.FillRectangle(&pressed, local);
      }
      auto font = PageFont(14.0f, FontStyleBold);
      Text(g, Caption(item.hwndItem), *font, Color(0xFFFFFFFF), local, StringAlignmentCenter);
    } else {
      // An option: the radio sign on for the active alternative.
      const bool on = GetWindowLongPtrA(item.hwndItem, GWLP_USERDATA) != 0;
      g.Clear(kBodyBackground);
      const float sign = 16.0f, signTop = (box.Height - sign) / 2;
      const images::PngImage& image = on ? images_.radioOn : images_.radioOff;
      if (image) {
        g.DrawImage(image.get(), RectF(2, signTop, sign, sign));
      } else {
        Pen ring(kText, 1.5f);
        g.DrawEllipse(&ring, RectF(2, signTop, sign, sign));
        if (on) {
          SolidBrush dot(kText);
          g.FillEllipse(&dot, RectF(6, signTop + 4, sign - 8, sign - 8));
        }
      }
      auto font = PageFont(13.0f, on ? FontStyleBold : FontStyleRegular);
      Text(g, Caption(item.hwndItem), *font, kText, RectF(sign + 10, 0, box.Width - sign - 10, box.Height));
      if (item.itemState & ODS_FOCUS) {
        RECT focus = {0, 0, LONG(box.Width), LONG(box.Height)};
        HDC dc = g.GetHDC();
        DrawFocusRect(dc, &focus);
        g.ReleaseHDC(dc);
      }
    }
  }
  Graphics screen(item.hDC);
  screen.DrawImage(&canvas, box.X, box.Y, box.Width, box.Height);
}

}  // namespace zelva::module
