// The module's images: the shared PNG loader built into the module, so that
// it carries no host code.
#pragma once

#include "PngResource.h"

namespace zelva::module {

using images::LoadImageResource;
using images::PngImage;
using images::ReleaseImageResource;

}  // namespace zelva::module
