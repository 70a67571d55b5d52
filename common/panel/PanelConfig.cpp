#include "PanelConfig.h"

#include <cmath>
#include <cstdio>

namespace zelva::panel {
namespace {

constexpr double kConsistencyTolerance = 2.0;
constexpr size_t kMainSizeChars = 20;    // up to 19 characters
constexpr size_t kWindowValueChars = 30;  // up to 29 characters
constexpr int kMainWindow = 0;
constexpr int kLastWindow = 17;
constexpr const char kSizeKey[] = "size_mm";
constexpr const char kWindowSizeKey[] = "window_size";

bool ReadPositivePair(const std::string& text, double& first, double& second) {
  return ReadPair(text, first, second) && first > 0 && second > 0;
}

// A size_mm of 29 characters may still hold 1e300, hundreds of digits in this format.
std::string ScreenShare(double x, double y) {
  const char* format = "%0.05f, %0.05f";
  int length = std::snprintf(nullptr, 0, format, x, y);
  if (length <= 0) return std::string();
  std::string text(size_t(length) + 1, '\0');
  std::snprintf(&text[0], text.size(), format, x, y);
  text.resize(size_t(length));
  return text;
}

}  // namespace

std::string WindowSection(int window) {
  char name[16];
  std::snprintf(name, sizeof(name), "Window%02d", window);
  return name;
}

std::string PanelConfig::Read(int window, const char* key, size_t chars) const {
  return document_.Value(WindowSection(window), key, chars);
}

int PanelConfig::CurrentRatio() const {
  double width = 0, height = 0;
  if (!ReadPair(Read(kMainWindow, kSizeKey, kMainSizeChars), width, height)) return kUnknownRatio;
  int ratio = ExactRatio(width, height);
  if (ratio == kUnknownRatio) return kUnknownRatio;
  for (int window = kFirstDerivedWindow; window <= kLastDerivedWindow; ++window) {
    if (document_.Find(WindowSection(window)) == profile::Document::npos) continue;
    std::string size = Read(window, kSizeKey, kWindowValueChars);
    if (size.empty()) continue;
    double sx = 0, sy = 0, fx = 0, fy = 0;
    if (!ReadPositivePair(size, sx, sy)) return kUnknownRatio;
    if (!ReadPair(Read(window, kWindowSizeKey, kWindowValueChars), fx, fy) || fx == 0 || fy == 0)
      return kUnknownRatio;
    if (!(std::fabs(width - sx / fx) <= kConsistencyTolerance) || !(std::fabs(height - sy / fy) <= kConsistencyTolerance))
      return kUnknownRatio;
  }
  return ratio;
}

RatioChange PanelConfig::ApplyRatio(int ratio) {
  if (ratio < 0 || ratio >= kRatioCount) return RatioChange::Unchanged;
  size_t main = document_.Find(WindowSection(kMainWindow));
  if (main == profile::Document::npos) return RatioChange::NoMainWindow;
  const std::string before = document_.Text();
  const AspectRatio& chosen = kRatios[ratio];
  document_.SetValue(main, kSizeKey, chosen.reference);
  size_t last = document_.Find(WindowSection(kLastWindow));
  if (last != profile::Document::npos) document_.SetValue(last, kSizeKey, chosen.reference);
  for (int window = kFirstDerivedWindow; window <= kLastDerivedWindow; ++window) {
    size_t section = document_.Find(WindowSection(window));
    double sx = 0, sy = 0;
    if (section == profile::Document::npos || !ReadPositivePair(Read(window, kSizeKey, kWindowValueChars), sx, sy))
      continue;
    document_.SetValue(section, kWindowSizeKey, ScreenShare(sx / chosen.width, sy / chosen.height));
  }
  return document_.Text() == before ? RatioChange::Unchanged : RatioChange::Done;
}

}  // namespace zelva::panel
