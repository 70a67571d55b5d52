// What the pages share when they draw with GDI+: the host's font family, the
// page colour, rounded panels.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "GdiplusInclude.h"

namespace zelva::module {

constexpr Gdiplus::ARGB kMakerBlue = 0xFF102E5C;
constexpr Gdiplus::ARGB kPanelTop = 0xFF24416B;  // top of a dark blue panel over kMakerBlue
constexpr Gdiplus::ARGB kAccent = 0xFFF0A030;

// The host's family, or Arial where the host gives none.
std::unique_ptr<Gdiplus::Font> PageFont(float pixels, int style);

Gdiplus::RectF RectOf(const RECT& r);

void FillPageColour(Gdiplus::Graphics& graphics, const RECT& area);

// Anti-aliased shapes and text, smooth scaling.
void Prepare(Gdiplus::Graphics& graphics);

// One line, centred on the box's height and cut with an ellipsis where it is too long.
void DrawTextLine(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font,
                  const Gdiplus::Color& colour, const Gdiplus::RectF& box,
                  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear);

void AddRoundedRectangle(Gdiplus::GraphicsPath& path, const Gdiplus::RectF& box, float radius);

}  // namespace zelva::module
