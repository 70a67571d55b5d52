// The transfer-rate estimate of a download: a ring of up to 25 (bytes, tick)
// samples, fed at every progress report and panel tick, smoothed so that the
// figure moves calmly. Works on the download object's own fields, whose
// layout modules know; the caller serialises the feeds.
#pragma once

#include <cstdint>
#include <cstring>

namespace zelva::downloads {

constexpr int kRateRingSize = 25;

// Combines the rates between consecutive samples: the newest weighs 0.5, the
// k-th older one (oldest first) k / (r * (r - 1)); with one rate, half of it.
double CombinedRate(const double* rates, int count);

// Bytes per second from one sample to the next; 0 when no time passed.
// Tick counts wrap around after 49.7 days, byte counts may fall (a restart).
inline double RateBetween(uint32_t fromBytes, uint32_t fromTick, uint32_t toBytes, uint32_t toTick) {
  uint32_t elapsed = toTick - fromTick;
  if (elapsed == 0) return 0.0;
  return (double(toBytes) - double(fromBytes)) * 1000.0 / elapsed;
}

// Sample has members bytes and tick. The estimate stays -1 until two samples
// exist and is never negative afterwards.
template <class Sample>
void FeedRate(float& estimate, Sample (&ring)[kRateRingSize], int32_t& count, uint32_t bytes, uint32_t tick) {
  // A count that is not a count (a module writes into the same object) starts
  // the ring afresh rather than writing past it.
  if (count < 0 || count > kRateRingSize) count = 0;
  if (count == kRateRingSize) {
    std::memmove(&ring[0], &ring[1], sizeof(Sample) * (kRateRingSize - 1));
    --count;
  }
  ring[count].bytes = bytes;
  ring[count].tick = tick;
  ++count;
  if (count < 2) return;
  double rates[kRateRingSize - 1];
  for (int i = 0; i + 1 < count; ++i)
    rates[i] = RateBetween(ring[i].bytes, ring[i].tick, ring[i + 1].bytes, ring[i + 1].tick);
  double next = 0.05 * CombinedRate(rates, count - 1) + 0.95 * double(estimate);
  estimate = next < 0.0 ? 0.0f : float(next);
}

}  // namespace zelva::downloads
