// PNG images from a library's resources, as GDI+ bitmaps: the module's own
// copy of the loader, so that it carries no host code.
#pragma once

#include "GdiplusInclude.h"
#include "ZelvaContract.h"

namespace zelva::module {

// The bitmap reads from a stream on the global block, so the block lives as
// long as the bitmap. On failure the bitmap stays null.
bool LoadImageResource(ImageResourceRecord& record, int resource, HINSTANCE instance, const char* type = "PNG");
void ReleaseImageResource(ImageResourceRecord& record);

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
  Gdiplus::Bitmap* get() const { return static_cast<Gdiplus::Bitmap*>(record_.bitmap); }
  explicit operator bool() const { return record_.bitmap != nullptr; }
  int width() const { return get() ? int(get()->GetWidth()) : 0; }
  int height() const { return get() ? int(get()->GetHeight()) : 0; }

 private:
  ImageResourceRecord record_ = {};
};

// GDI+ for as long as the module is loaded.
class GdiplusSession {
 public:
  GdiplusSession() = default;
  ~GdiplusSession() { Stop(); }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool Start();
  void Stop();

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace zelva::module
