#include "ScreenRatios.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace zelva::panel {
namespace {

constexpr double kExactTolerance = 0.01;
constexpr size_t kLongestScreenSize = 9;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// strtod's reading of the text's start: a number must be there.
bool ReadNumber(std::string_view text, double& number) {
  std::string copy(text);
  const char* start = copy.c_str();
  char* end = nullptr;
  number = std::strtod(start, &end);
  return end != start && std::isfinite(number);
}

}  // namespace

const AspectRatio kRatios[kRatioCount] = {
    {"4:3", 1.333, 1600, 1200, "1600,1200"},
    {"5:4", 1.25, 1280, 1024, "1280,1024"},
    {"16:9", 1.77, 1920, 1080, "1920,1080"},
    {"16:10", 1.6, 1920, 1200, "1920,1200"},
};

bool ReadPair(std::string_view text, double& first, double& second) {
  size_t comma = text.find(',');
  if (comma == std::string_view::npos) return false;
  return ReadNumber(text.substr(0, comma), first) && ReadNumber(text.substr(comma + 1), second);
}

int ExactRatio(double width, double height) {
  if (!(height > 0)) return kUnknownRatio;
  double ratio = width / height;
  for (int i = 0; i < kRatioCount; ++i)
    if (std::fabs(kRatios[i].value - ratio) < kExactTolerance) return i;
  return kUnknownRatio;
}

ScreenMatch MatchScreen(unsigned width, unsigned height) {
  ScreenMatch match;
  if (width == 0 || height == 0) return match;
  match.ratio = ExactRatio(width, height);
  match.exact = match.ratio != kUnknownRatio;
  if (match.exact) return match;
  double ratio = double(width) / double(height), difference[kRatioCount];
  for (int i = 0; i < kRatioCount; ++i) difference[i] = std::fabs(kRatios[i].value - ratio);
  match.ratio = kRatioCount - 1;  // 16:10 also takes every tie
  for (int i = 0; i < kRatioCount - 1; ++i) {
    bool nearest = true;
    for (int other = 0; other < kRatioCount; ++other)
      if (other != i && !(difference[i] < difference[other])) nearest = false;
    if (nearest) {
      match.ratio = i;
      break;
    }
  }
  return match;
}

bool ReadScreenSize(std::string_view text, unsigned& size) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty() || text.size() > kLongestScreenSize) return false;
  unsigned value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + unsigned(c - '0');
  }
  size = value;
  return true;
}

}  // namespace zelva::panel
