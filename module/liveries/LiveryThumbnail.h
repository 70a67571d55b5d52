// The selected livery's thumbnail, decoded once from a copy of the file in
// memory: the file itself is closed again at once, so the livery's folder can
// be deleted while the page shows its picture.
#pragma once

#include <memory>
#include <string>

#include "GdiplusInclude.h"

namespace zelva::module {

class LiveryThumbnail {
 public:
  // Loads the file when the path differs from the one shown; an empty path
  // or a file that is no picture leaves nothing to draw.
  void Show(const std::string& path);
  void Clear();
  Gdiplus::Bitmap* bitmap() const { return bitmap_.get(); }

 private:
  std::string path_;
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

// A bitmap of its own decoded from a picture's bytes, so nothing of the
// stream it came from stays behind; null for bytes that are no picture.
std::unique_ptr<Gdiplus::Bitmap> DecodeThumbnail(const std::string& bytes);

// The thumbnail box: cleared to the page's dark blue, then the picture
// stretched to the box less 2 pixels.
void DrawThumbnail(HDC dc, const RECT& box, Gdiplus::Bitmap* picture);

}  // namespace zelva::module
