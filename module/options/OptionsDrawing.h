// What the options page draws itself: the file-name label, the banner and
// the skinned Save and Cancel buttons.
#pragma once

#include <windows.h>

#include "PngResource.h"

namespace zelva::module {

// The control's text, 16 pixels high, in the maker's dark blue.
void DrawFileName(const DRAWITEMSTRUCT& item);

// The product's emblem over the dark blue panel, with the page's name.
void DrawOptionsBanner(const DRAWITEMSTRUCT& item, const images::PngImage& emblem);

// The face (or the grey face when the button is disabled) under the button's text.
void DrawSkinButton(const DRAWITEMSTRUCT& item, const images::PngImage& face, const images::PngImage& grayFace);

}  // namespace zelva::module
