// A PNG of the host program, found by name through the host's image table.
#pragma once

#include <windows.h>

#include "HostLink.h"
#include "PngResource.h"

namespace zelva::settings {

class HostImage {
 public:
  // False (and no image) when the host does not know the name or the
  // resource is missing or not a PNG.
  bool Load(const HostLink& host, const char* name);
  Gdiplus::Bitmap* bitmap() const { return image_.get(); }

 private:
  images::PngImage image_;
};

}  // namespace zelva::settings
