#include "BlockCache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace zelva::archive;

namespace {

class CountingFetcher : public RangeFetcher {
 public:
  explicit CountingFetcher(size_t size) : file(size) {
    for (size_t i = 0; i < size; ++i) file[i] = uint8_t(i * 7 + (i >> 8));
  }
  int64_t Fetch(uint32_t offset, uint8_t* buffer, uint32_t size) override {
    ++requests;
    if (fail) return -1;
    if (offset >= file.size()) {
      ++beyondEnd;
      return 0;
    }
    uint32_t take = std::min<uint32_t>(size, uint32_t(file.size() - offset));
    std::memcpy(buffer, file.data() + offset, take);
    fetched += take;
    return take;
  }
  std::vector<uint8_t> file;
  int requests = 0;
  int beyondEnd = 0;
  uint64_t fetched = 0;
  bool fail = false;
};

// What the decoder does with a folder: data block headers and bodies in
// order, the last read running past the end of the file, which must not ask
// for bytes beyond it.
TEST(StreamedCache, SequentialReadsFetchEachByteOnceAndNothingPastTheEnd) {
  CountingFetcher fetcher(1000000);
  StreamedCache cache;
  cache.Setup(40000, &fetcher);
  std::vector<uint8_t> out(40000);
  uint32_t position = 500000;
  CacheFault fault;
  while (position < fetcher.file.size()) {
    for (uint32_t count : {8u, 32000u}) {
      int64_t expected = std::min<int64_t>(count, int64_t(fetcher.file.size()) - position);
      ASSERT_EQ(cache.Read(0, position, out.data(), count, fault), expected);
      ASSERT_EQ(0, std::memcmp(out.data(), fetcher.file.data() + position, size_t(expected))) << position;
      position += uint32_t(expected);
    }
  }
  EXPECT_EQ(fetcher.fetched, 500000u);
  EXPECT_EQ(fetcher.requests, (500000 + 39999) / 40000);
  EXPECT_EQ(fetcher.beyondEnd, 0);
}

TEST(StreamedCache, StartOfFileStaysCachedWhileHandlesReadElsewhere) {
  CountingFetcher fetcher(300000);
  StreamedCache cache;
  cache.Setup(40000, &fetcher);
  std::vector<uint8_t> out(300);
  CacheFault fault;
  ASSERT_EQ(cache.Read(0, 0, out.data(), 36, fault), 36);
  ASSERT_EQ(cache.Read(0, 200000, out.data(), 300, fault), 300);
  ASSERT_EQ(cache.Read(1, 250000, out.data(), 300, fault), 300);
  ASSERT_EQ(cache.Read(1, 123, out.data(), 256, fault), 256);
  ASSERT_EQ(cache.Read(0, 200300, out.data(), 300, fault), 300);
  EXPECT_EQ(0, std::memcmp(out.data(), fetcher.file.data() + 200300, 300));
  EXPECT_EQ(fetcher.requests, 3);
}

TEST(StreamedCache, GuardsAndFailuresAreReportedNotRead) {
  CountingFetcher fetcher(100000);
  StreamedCache cache;
  std::vector<uint8_t> out(2000);
  CacheFault fault;
  EXPECT_EQ(cache.Read(0, 50000, out.data(), 10, fault), -1);
  EXPECT_EQ(fault, CacheFault::kNotInitialized);

  cache.Setup(100, &fetcher);  // raised to the 500-byte minimum
  EXPECT_EQ(cache.Read(0, 50000, out.data(), 500, fault), 500);
  EXPECT_EQ(cache.Read(0, 50000, out.data(), 501, fault), -1);
  EXPECT_EQ(fault, CacheFault::kBlockTooSmall);

  fetcher.fail = true;
  EXPECT_EQ(cache.Read(1, 70000, out.data(), 10, fault), -1);
  EXPECT_EQ(fault, CacheFault::kFetchFailed);
  fetcher.fail = false;
  EXPECT_EQ(cache.Read(1, 70000, out.data(), 10, fault), 10);
}

}  // namespace
