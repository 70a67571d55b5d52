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

class File : public zelva::archive::RangeFetcher {
 public:
  explicit File(size_t size) : bytes(size) {
    for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(i * 31 + (i >> 7));
  }
  int64_t Fetch(uint32_t offset, uint8_t* buffer, uint32_t size) override {
    // At the very end the fetcher answers with nothing (the URL source knows
    // the file size by then); past it nothing may ask.
    if (offset > bytes.size()) std::abort();
    if (offset == bytes.size()) return 0;
    uint32_t take = std::min<uint32_t>(size, uint32_t(bytes.size() - offset));
    std::memcpy(buffer, bytes.data() + offset, take);
    return take;
  }
  std::vector<uint8_t> bytes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t blockSize = 500 + (data[0] | data[1] << 8) % 3000;
  File file(1 + (data[2] | data[3] << 8) % 20000);
  zelva::archive::StreamedCache cache;
  cache.Setup(blockSize, &file);
  std::vector<uint8_t> out(blockSize);
  for (size_t i = 4; i + 4 <= size; i += 4) {
    uint32_t handle = data[i] % 3;
    uint32_t position = uint32_t(data[i + 1] | data[i + 2] << 8) % uint32_t(file.bytes.size());
    uint32_t count = 1 + data[i + 3] * 13 % blockSize;
    zelva::archive::CacheFault fault;
    int64_t got = cache.Read(handle, position, out.data(), count, fault);
    int64_t expected = std::min<int64_t>(count, int64_t(file.bytes.size()) - position);
    if (got != expected || std::memcmp(out.data(), file.bytes.data() + position, size_t(got)) != 0) std::abort();
  }
  return 0;
}
