// A name the check lets through must stay below the target folder however
// the platform resolves it: no drive or stream, no root, and no component
// that climbs once trailing dots and spaces are trimmed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "EntryNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string name;
  for (size_t i = 0; i + 1 < size; i += 2) name += char16_t(data[i] | data[i + 1] << 8);
  // Mostly the characters that matter.
  for (char16_t& c : name) {
    switch (c % 8) {
      case 0: c = u'.'; break;
      case 1: c = u'\\'; break;
      case 2: c = u' '; break;
      default: break;
    }
  }
  if (!Cabinet::IsSafeEntryName(name)) return 0;
  if (name.empty() || name[0] == u'\\' || name.find(u':') != std::u16string::npos) std::abort();
  int depth = 0;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find(u'\\', start);
    if (end == std::u16string::npos) end = name.size();
    std::u16string component = name.substr(start, end - start);
    while (!component.empty() && (component.back() == u'.' || component.back() == u' ')) component.pop_back();
    bool onlyDots = true;
    for (size_t i = start; i < end; ++i) onlyDots = onlyDots && (name[i] == u'.' || name[i] == u' ');
    size_t dots = 0;
    for (size_t i = start; i < end; ++i) dots += name[i] == u'.';
    if (onlyDots && dots >= 2) --depth;
    else if (!component.empty()) ++depth;
    if (depth < 0) std::abort();
    start = end + 1;
  }
  return 0;
}
