// A panel.cfg in memory: which aspect ratio its 2D panel windows are laid out
// for, and the edits that lay them out for another. Every line the edits do
// not touch stays as it was.
//
// [Window00] is the main panel window; its size_mm is the reference
// resolution. [Window01] to [Window16] keep their size_mm (their design
// size) and derive window_size, their share of the screen, from it.
// [Window17] takes the reference resolution too.
#pragma once

#include <string>
#include <string_view>

#include "ScreenRatios.h"
#include "ProfileDocument.h"

namespace zelva::panel {

constexpr int kFirstDerivedWindow = 1;
constexpr int kLastDerivedWindow = 16;

// "Window%02d".
std::string WindowSection(int window);

enum class RatioChange {
  Done,
  Unchanged,     // the file already says so, every window included
  NoMainWindow,  // no [Window00]: nothing to derive from
};

class PanelConfig {
 public:
  explicit PanelConfig(std::string_view text) : document_(text) {}

  // False for a text this program cannot rewrite (UTF-16).
  bool rewritable() const { return !document_.wide(); }
  std::string Text() const { return document_.Text(); }

  // The index of the ratio of [Window00]'s size_mm, or kUnknownRatio when it
  // matches none, cannot be read, or a derived window disagrees with it by
  // more than 2.0 in either direction (its size_mm divided by its
  // window_size). A derived window counts when its section has a size_mm;
  // one whose window_size is missing or 0 disagrees.
  int CurrentRatio() const;

  // Writes the ratio's reference resolution into the size_mm of [Window00]
  // and [Window17], and "%0.05f, %0.05f" of size_mm / reference into the
  // window_size of each derived window. Only sections the file has are
  // written; a window whose size_mm cannot be read or is not above 0 keeps
  // what it has.
  RatioChange ApplyRatio(int ratio);

 private:
  std::string Read(int window, const char* key, size_t chars) const;

  profile::Document document_;
};

}  // namespace zelva::panel
