// The module's images: the shared PNG loader built into the module, so that
// it carries no host code; and GDI+ for the module's lifetime.
#pragma once

#include "PngResource.h"

namespace zelva::module {

using images::LoadImageResource;
using images::PngImage;
using images::ReleaseImageResource;

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
