// Request header text of the URL source: the caller's extra headers come as
// one string with "|" between entries; block refills ask for one byte range.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelva::archive {

// Non-empty entries in order.
std::vector<std::u16string> SplitExtraHeaders(std::u16string_view headers);
// A "Range:" header (name compared without regard to case) makes the
// request a ranged one, answered with 206.
bool IsRangeHeader(std::u16string_view header);
// "Range: bytes=first-last", both offsets inclusive.
std::u16string RangeHeader(uint32_t first, uint32_t last);

}  // namespace zelva::archive
