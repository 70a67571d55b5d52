// The four aspect ratios the 2D panel can be laid out for, what they are
// compared by, and which of them a screen or a panel file has.
#pragma once

#include <string_view>

namespace zelva::panel {

constexpr int kRatioCount = 4;
constexpr int kUnknownRatio = 255;

struct AspectRatio {
  const char* label;      // "16:9"
  double value;           // what a width / height is compared with
  int width, height;      // the reference resolution
  const char* reference;  // the reference resolution as size_mm text
};

// In the page's order; the index is the stored setting.
extern const AspectRatio kRatios[kRatioCount];

// A pair "a,b" of decimal numbers: the one before the first comma and the
// one after it, each with blanks before it and anything after it ignored.
// False when there is no comma or either side holds no number.
bool ReadPair(std::string_view text, double& first, double& second);

// The first ratio within 0.01 of width / height, or kUnknownRatio (also for
// a height that is not above 0).
int ExactRatio(double width, double height);

struct ScreenMatch {
  int ratio = kUnknownRatio;  // kUnknownRatio: no suggestion at all
  bool exact = false;         // false: the nearest one, with the note
};

// A screen's ratio: an exact one, else 4:3, 5:4 or 16:9 when strictly
// nearer than each of the others, else 16:10. Nothing for a size of 0.
ScreenMatch MatchScreen(unsigned width, unsigned height);

// A screen size as typed: up to nine decimal digits with blanks around
// them; false for anything else, including nothing.
bool ReadScreenSize(std::string_view text, unsigned& size);

}  // namespace zelva::panel
