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
  out.reserve(text.size() + 32);
  for (char c : text) {
    out += c;
    if (c == '\n') out += stampNow();
  }
  return out;
}

}  // namespace zelva::text
