// The font pages draw their own texts in: the host's family, or Arial where
// the host gives none.
#pragma once

#include <memory>

#include "GdiplusInclude.h"

namespace zelva::module {

std::unique_ptr<Gdiplus::Font> PageFont(float pixels, int style);

}  // namespace zelva::module
