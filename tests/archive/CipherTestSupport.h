// The whole-image enciphered form and in-memory sources and sinks, shared by
// the cipher tests and the cipher fuzz target.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "CipherRead.h"
#include "CipherState.h"
#include "CipherWrite.h"
#include "PackageKey.h"

namespace cabinet_test {

inline std::vector<uint8_t> PatternBytes(size_t length, uint32_t seed) {
  std::vector<uint8_t> bytes(length);
  uint32_t x = seed * 2654435761u + 1;
  for (auto& b : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = uint8_t(x);
  }
  if (length >= 4) std::memcpy(bytes.data(), "MSCF", 4);
  return bytes;
}

// The reference: every block enciphered over the whole image at once.
inline std::vector<uint8_t> EncipherWhole(const zelva::archive::CipherState& state, const std::vector<uint8_t>& plain) {
  std::vector<uint8_t> out(plain);
  std::memcpy(out.data(), "CRYP", 4);
  size_t body = out.size() - zelva::archive::kPlainPrefix;
  out.resize(zelva::archive::kPlainPrefix + (body + 7) / 8 * 8, 0);
  for (size_t at = zelva::archive::kPlainPrefix; at < out.size(); at += 8) state.cipher.EncryptLittleEndian(&out[at]);
  return out;
}

class MemorySource : public zelva::archive::CipherSource {
 public:
  explicit MemorySource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  bool SeekTo(uint32_t offset) override {
    at_ = offset;
    return true;
  }
  int64_t Read(uint8_t* buffer, uint32_t count) override {
    if (failReads) return -1;
    size_t available = at_ < bytes_.size() ? bytes_.size() - at_ : 0;
    size_t take = count < available ? count : available;
    std::memcpy(buffer, bytes_.data() + at_, take);
    at_ += uint32_t(take);
    return int64_t(take);
  }
  uint32_t at() const { return at_; }
  bool failReads = false;

 private:
  std::vector<uint8_t> bytes_;
  uint32_t at_ = 0;
};

class MemorySink : public zelva::archive::CipherSink {
 public:
  bool WriteAt(uint32_t offset, const uint8_t* data, uint32_t count) override {
    ++writes;
    if (bytes.size() < offset + count) bytes.resize(offset + count);
    std::memcpy(bytes.data() + offset, data, count);
    return true;
  }
  std::vector<uint8_t> bytes;
  int writes = 0;
};

}  // namespace cabinet_test
