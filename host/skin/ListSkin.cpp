#include "ListSkin.h"

#include "SharedDrawing.h"

namespace zelva::skin {

bool ListSkinImages::Load(const int (&resources)[5], HINSTANCE instance) {
  bool ok = face.Load(resources[0], instance);
  ok = topCap.Load(resources[1], instance) && ok;
  ok = bottomCap.Load(resources[2], instance) && ok;
  ok = middle.Load(resources[3], instance) && ok;
  return highlight.Load(resources[4], instance) && ok;
}

void DrawListItem(const DRAWITEMSTRUCT& item, const ListSkinImages& skin, ListItemKind kind, const char* text,
                  bool greyText, int narrowing) {
  using namespace Gdiplus;
  Graphics graphics(item.hDC);
  PrepareGraphics(graphics);
  const RECT& r = item.rcItem;
  int width = int(r.right - r.left) - narrowing;
  int height = int(r.bottom - r.top);
  if (width <= 0 || height <= 0) return;
  Rect box(r.left, r.top, width, height);

  if (kind == ListItemKind::kTopCap) {
    if (skin.topCap) {
      // White in the cap is see-through.
      ImageAttributes transparent;
      transparent.SetColorKey(Color(255, 255, 255, 255), Color(255, 255, 255, 255));
      graphics.DrawImage(skin.topCap.get(), box, 0, 0, skin.topCap.width(), skin.topCap.height(), UnitPixel,
                         &transparent);
    }
    return;
  }
  if (kind == ListItemKind::kBottomCap) {
    if (skin.bottomCap) graphics.DrawImage(skin.bottomCap.get(), box);
    return;
  }
  if (skin.middle) graphics.DrawImage(skin.middle.get(), box);
  if ((item.itemState & ODS_SELECTED) && skin.highlight) {
    graphics.DrawImage(skin.highlight.get(), Rect(r.left, r.top, width - 2, height));
  }
  const SharedDrawing& drawing = Drawing();
  if (drawing.small == nullptr) return;
  const Brush& brush = greyText ? static_cast<const Brush&>(*drawing.lightGrey) : *drawing.white;
  DrawText(graphics, text, *drawing.small, brush, RectF(float(r.left + 10), float(r.top + 1), 150.0f, 20.0f));
}

void DrawListFace(HDC dc, const RECT& bounds, const ListSkinImages& skin, const char* text, float textX, float textY,
                  float textWidth, float textHeight) {
  using namespace Gdiplus;
  Graphics graphics(dc);
  PrepareGraphics(graphics);
  if (skin.face) graphics.DrawImage(skin.face.get(), int(bounds.left), int(bounds.top), skin.face.width(),
                                    skin.face.height());
  const SharedDrawing& drawing = Drawing();
  if (drawing.medium == nullptr) return;
  DrawText(graphics, text, *drawing.medium, *drawing.white,
           RectF(float(bounds.left) + textX, float(bounds.top) + textY, textWidth, textHeight));
}

}  // namespace zelva::skin
