#include "LineStamps.h"

#include <cstdio>

namespace zelva::text {

std::string FormatLineStamp(int hour, int minute, int second, int millisecond) {
  char time[32];
  std::snprintf(time, sizeof(time), "%02d:%02d:%02d.%03d", hour, minute, second, millisecond);
  char stamp[40];
  std::snprintf(stamp, sizeof(stamp), "%s   ", time);
  return stamp;
}

std::string InsertLineStamps(std::string_view text, const std::function<std::string()>& stampNow) {
  std::string out;
  size_t lines = 0;
  for (char c : text) lines += c == '\n';
  out.reserve(text.size() + lines * 16);
  size_t start = 0;
  for (size_t feed = text.find('\n'); feed != std::string_view::npos; feed = text.find('\n', start)) {
    out.append(text.substr(start, feed + 1 - start));
    out += stampNow();
    start = feed + 1;
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace zelva::text
