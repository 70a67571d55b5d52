// Decoding arbitrary single-byte names must be safe, and whatever decodes must
// encode back to a text that decodes to the same name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "WideNameEscape.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::u16string name;
  if (!zelva::text::UnescapeWideName(text, name)) return 0;
  std::u16string again;
  if (!zelva::text::UnescapeWideName(zelva::text::EscapeWideName(name), again) || again != name) std::abort();
  return 0;
}
