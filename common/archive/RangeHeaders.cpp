#include "RangeHeaders.h"

#include <cstdio>

namespace zelva::archive {

std::vector<std::u16string> SplitExtraHeaders(std::u16string_view headers) {
  std::vector<std::u16string> entries;
  size_t start = 0;
  while (start <= headers.size()) {
    size_t end = headers.find(u'|', start);
    if (end == std::u16string_view::npos) end = headers.size();
    if (end > start) entries.emplace_back(headers.substr(start, end - start));
    start = end + 1;
  }
  return entries;
}

bool IsRangeHeader(std::u16string_view header) {
  static const char kName[] = "range:";
  if (header.size() < sizeof(kName) - 1) return false;
  for (size_t i = 0; i < sizeof(kName) - 1; ++i) {
    char16_t c = header[i];
    if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
    if (c != char16_t(kName[i])) return false;
  }
  return true;
}

std::u16string RangeHeader(uint32_t first, uint32_t last) {
  char text[48];
  int length = std::snprintf(text, sizeof(text), "Range: bytes=%u-%u", first, last);
  return std::u16string(text, text + length);
}

}  // namespace zelva::archive
