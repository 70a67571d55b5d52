// The streamed text digest must not depend on how the file arrives in chunks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FileDigest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  size_t chunk = data[0] % 17 + 1;
  zelva::crypto::TextModeDigest pieces;
  for (size_t at = 1; at < size; at += chunk) pieces.Feed(data + at, size - at < chunk ? size - at : chunk);
  if (pieces.Finish() != zelva::crypto::TextDigestOfBytes(data + 1, size - 1)) std::abort();
  return 0;
}
