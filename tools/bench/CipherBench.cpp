// Deciphering throughput of the package cipher: raw Blowfish ECB in the
// package byte order, and the reader's deciphering reads in the sizes the
// cabinet decoder asks for. Prints "name MB/s" lines.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "CipherRead.h"
#include "PackageKey.h"

namespace {

class MemorySource : public zelva::archive::CipherSource {
 public:
  explicit MemorySource(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  bool SeekTo(uint32_t offset) override {
    at_ = offset;
    return true;
  }
  int64_t Read(uint8_t* buffer, uint32_t count) override {
    size_t available = at_ < bytes_.size() ? bytes_.size() - at_ : 0;
    size_t take = count < available ? count : available;
    std::memcpy(buffer, bytes_.data() + at_, take);
    at_ += uint32_t(take);
    return int64_t(take);
  }

 private:
  const std::vector<uint8_t>& bytes_;
  uint32_t at_ = 0;
};

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  const size_t size = 64u << 20;
  std::vector<uint8_t> data(size);
  for (size_t i = 0; i < size; ++i) data[i] = uint8_t(i * 2654435761u >> 13);
  zelva::archive::CipherState state;
  state.SetKey(zelva::archive::kPackageKeyLength, zelva::archive::PackageKey());

  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    auto start = std::chrono::steady_clock::now();
    for (size_t at = 0; at < size; at += 8) state.cipher.DecryptLittleEndian(&data[at]);
    double seconds = Seconds(start);
    if (seconds < best) best = seconds;
  }
  std::printf("blowfish-ecb %.1f\n", size / best / 1e6);

  // What the decoder does: an 8-byte block header, then up to 32 KiB of data.
  std::vector<uint8_t> buffer(zelva::archive::kDecipherBufferSize), out(40000);
  MemorySource source(data);
  best = 1e9;
  for (int round = 0; round < 3; ++round) {
    auto start = std::chrono::steady_clock::now();
    uint32_t at = 61;
    bool header = true;
    while (at + 32768 < size) {
      uint32_t count = header ? 8 : 32760;
      source.SeekTo(at);
      if (zelva::archive::DecipherRead(state, buffer.data(), source, at, out.data(), count) != count) return 1;
      at += count;
      header = !header;
    }
    double seconds = Seconds(start);
    if (seconds < best) best = seconds;
  }
  std::printf("decipher-reads %.1f\n", size / best / 1e6);
  return 0;
}
