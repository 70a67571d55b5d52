// The host's images use the shared PNG loader.
#pragma once

#include "PngResource.h"

namespace zelva::skin {
using images::BitmapOf;
using images::LoadImageResource;
using images::PngImage;
using images::ReleaseImageResource;
}  // namespace zelva::skin
