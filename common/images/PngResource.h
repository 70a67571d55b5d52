// PNG images from a library's resources, as GDI+ bitmaps. Each deliverable
// builds this loader in; none reaches into another's code for it.
#pragma once

#include "GdiplusInclude.h"
#include "ZelvaContract.h"

namespace zelva::images {

// The bitmap reads from a stream on the global block, so the block lives as
// long as the bitmap. On failure the bitmap stays null.
bool LoadImageResource(ImageResourceRecord& record, int resource, HINSTANCE instance, const char* type = "PNG");
void ReleaseImageResource(ImageResourceRecord& record);

inline Gdiplus::Bitmap* BitmapOf(const ImageResourceRecord& record) {
  return static_cast<Gdiplus::Bitmap*>(record.bitmap);
}

// Owner of one image record.
class PngImage {
 public:
  PngImage() = default;
  ~PngImage() { ReleaseImageResource(record_); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;

  bool Load(int resource, HINSTANCE instance) {
    ReleaseImageResource(record_);
    return LoadImageResource(record_, resource, instance);
  }
  void Release() { ReleaseImageResource(record_); }
  Gdiplus::Bitmap* get() const { return BitmapOf(record_); }
  explicit operator bool() const { return record_.bitmap != nullptr; }
  int width() const { return get() ? int(get()->GetWidth()) : 0; }
  int height() const { return get() ? int(get()->GetHeight()) : 0; }

 private:
  ImageResourceRecord record_ = {};
};

}  // namespace zelva::images
