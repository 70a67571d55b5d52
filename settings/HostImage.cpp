#include "HostImage.h"

namespace zelva::settings {

bool HostImage::Load(const HostLink& host, const char* name) {
  image_.Release();
  const int number = host.FindImage(name);
  HINSTANCE instance = host.context().hostInstance;
  if (number <= 0 || instance == nullptr) return false;
  return image_.Load(number, instance);
}

}  // namespace zelva::settings
