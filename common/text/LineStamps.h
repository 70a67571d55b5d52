// The log's line stamps: every line feed written is followed by the time.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zelva::text {

// "HH:MM:SS.mmm" followed by three blanks.
std::string FormatLineStamp(int hour, int minute, int second, int millisecond);

// Copies text, appending stampNow() after each line feed, a final one included.
std::string InsertLineStamps(std::string_view text, const std::function<std::string()>& stampNow);

}  // namespace zelva::text
