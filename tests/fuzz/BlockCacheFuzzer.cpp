// Any sequence of reads through the block caches returns the file's bytes and
// never asks for a range that starts past the end of the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "BlockCache.h"

namespace {

constexpr size_t kLargestFile = 20000;

// The bytes of every file, made once: each input picks only a length.
const std::vector<uint8_t>& Pattern() {
  static const std::vector<uint8_t> pattern = [] {
    std::vector<uint8_t> bytes(kLargestFile);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 31 + (i >> 7));
    return bytes;
  }();
  return pattern;
}

class File : public zelva::archive::RangeFetcher {
 public:
  explicit File(size_t size) : size(size) {}
  int64_t Fetch(uint32_t offset, uint8_t* buffer, uint32_t count) override {
    // At the very end the fetcher answers with nothing (the URL source knows
    // the file size by then); past it nothing may ask.
    if (offset > size) std::abort();
    if (offset == size) return 0;
    uint32_t take = std::min<uint32_t>(count, uint32_t(size - offset));
    std::memcpy(buffer, Pattern().data() + offset, take);
    return take;
  }
  const size_t size;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t blockSize = 500 + (data[0] | data[1] << 8) % 3000;
  File file(1 + (data[2] | data[3] << 8) % kLargestFile);
  zelva::archive::StreamedCache cache;
  cache.Setup(blockSize, &file);
  std::vector<uint8_t> out(blockSize);
  for (size_t i = 4; i + 4 <= size; i += 4) {
    uint32_t handle = data[i] % 3;
    uint32_t position = uint32_t(data[i + 1] | data[i + 2] << 8) % uint32_t(file.size);
    uint32_t count = 1 + data[i + 3] * 13 % blockSize;
    zelva::archive::CacheFault fault;
    int64_t got = cache.Read(handle, position, out.data(), count, fault);
    int64_t expected = std::min<int64_t>(count, int64_t(file.size) - position);
    if (got != expected || std::memcmp(out.data(), Pattern().data() + position, size_t(got)) != 0) std::abort();
  }
  return 0;
}
