// Whatever a file holds, the reader gives back every byte, and its lookups
// stay within their buffers and find the first section of a name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ProfileDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const zelva::profile::Document document(bytes);
  if (document.Text() != bytes) std::abort();
  for (size_t i = 0; i < document.size(); ++i) {
    const std::string& name = document.section(i).name;
    if (document.Find(name) > i) std::abort();
    const std::string keys = document.SectionText(name);
    if (!keys.empty() && keys.back() != '\0') std::abort();
    // A few keys of each section: enough to reach every kind of line.
    for (size_t start = 0, n = 0; start < keys.size() && n < 4; ++n) {
      size_t end = keys.find('\0', start);
      std::string key = keys.substr(start, keys.find('=', start) < end ? keys.find('=', start) - start : end - start);
      for (size_t chars : {size_t(1), size_t(4), size_t(100)})
        if (document.Value(name, key, chars).size() >= chars) std::abort();
      start = end + 1;
    }
  }
  return 0;
}
