#include "RateEstimate.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zelva::downloads;

namespace {

struct Sample {
  uint32_t bytes;
  uint32_t tick;
};

struct Ring {
  float estimate = -1.0f;
  Sample samples[kRateRingSize] = {};
  int32_t count = 0;
  void Feed(uint32_t bytes, uint32_t tick) { FeedRate(estimate, samples, count, bytes, tick); }
};

TEST(RateEstimate, StaysUnknownUntilTwoSamplesThenNeverNegative) {
  Ring ring;
  ring.Feed(1000, 5000);
  EXPECT_EQ(ring.estimate, -1.0f);
  // One rate of 1,000 B/s: half of it weighs in, against the -1 start.
  ring.Feed(2000, 6000);
  EXPECT_FLOAT_EQ(ring.estimate, float(0.05 * 500 + 0.95 * -1.0));
  ring.Feed(2000, 6000);  // no time passed: a rate of 0
  ring.Feed(0, 7000);     // the count fell (a restart): a negative rate
  EXPECT_GE(ring.estimate, 0.0f);
}

TEST(RateEstimate, WeightsFavourTheNewestRate) {
  const double rates[] = {100, 200, 300, 400};
  // Older ones k / (4 * 3): 1/12, 2/12, 3/12 (half in all), the newest one half.
  EXPECT_DOUBLE_EQ(CombinedRate(rates, 4), (100 * 1 + 200 * 2 + 300 * 3) / 12.0 + 200);
  EXPECT_DOUBLE_EQ(CombinedRate(rates, 1), 50);
  EXPECT_DOUBLE_EQ(RateBetween(0, 0xFFFFFF00u, 512, 0x100), 1000.0);  // across the tick wrap
}

TEST(RateEstimate, ASteadyTransferConvergesOnItsRate) {
  Ring ring;
  for (uint32_t i = 0; i < 400; ++i) ring.Feed(i * 750000, 10000 + i * 750);  // 1 MB/s at 750 ms
  EXPECT_EQ(ring.count, kRateRingSize);
  EXPECT_NEAR(ring.estimate, 1e6, 1.0);
  EXPECT_EQ(ring.samples[kRateRingSize - 1].bytes, 399u * 750000);
}

TEST(RateEstimate, ALostCountNeverWritesPastTheRing) {
  // Exactly the ring's room on the heap, so a write past it is caught.
  for (int32_t lost : {-1, kRateRingSize + 1, 1000}) {
    auto samples = std::make_unique<Sample[]>(kRateRingSize);
    auto& ring = *reinterpret_cast<Sample(*)[kRateRingSize]>(samples.get());
    float estimate = 5.0f;
    int32_t count = lost;
    FeedRate(estimate, ring, count, 100, 1);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(ring[0].bytes, 100u);
  }
}

}  // namespace
