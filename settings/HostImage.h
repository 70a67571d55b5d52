// A PNG of the host program, found by name through the host's image table.
#pragma once

#include <windows.h>
#include "GdiplusInclude.h"

#include <memory>

#include "Handles.h"
#include "HostLink.h"

namespace zelva::settings {

class HostImage {
 public:
  HostImage() = default;
  ~HostImage();
  HostImage(const HostImage&) = delete;
  HostImage& operator=(const HostImage&) = delete;

  // False (and no image) when the host does not know the name or the
  // resource is missing or not a PNG.
  bool Load(const HostLink& host, const char* name);
  Gdiplus::Bitmap* bitmap() const { return bitmap_.get(); }

 private:
  void Release();

  // The bitmap reads from the block for its whole life: freed after it.
  win::GlobalBlock block_;
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

}  // namespace zelva::settings
