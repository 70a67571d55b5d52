// A name the check lets through must stay below the target folder however
// the platform resolves it: no drive or stream, no root, and no component
// that climbs once trailing dots and spaces are trimmed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "EntryNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string name;
  for (size_t i = 0; i + 1 < size; i += 2) name += char16_t(data[i] | data[i + 1] << 8);
  // Mostly the characters that matter.
  for (char16_t& c : name)
    if (c % 8 < 3) c = u".\\ "[c % 8];
  if (!zelva::archive::IsSafeEntryName(name)) return 0;
  if (name.empty() || name[0] == u'\\' || name.find(u':') != std::u16string::npos) std::abort();
  int depth = 0;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find(u'\\', start);
    if (end == std::u16string::npos) end = name.size();
    const std::u16string raw = name.substr(start, end - start);
    std::u16string component = raw;
    while (!component.empty() && (component.back() == u'.' || component.back() == u' ')) component.pop_back();
    // Only dots and spaces: ".." and longer climb, "." and " " stay.
    if (!component.empty()) ++depth;
    else if (std::count(raw.begin(), raw.end(), u'.') >= 2) --depth;
    if (depth < 0) std::abort();
    start = end + 1;
  }
  return 0;
}
