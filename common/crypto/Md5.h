// MD5 message digest (RFC 1321).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zelva::crypto {

class Md5 {
 public:
  static constexpr size_t kDigestSize = 16;

  Md5();
  void Update(const void* data, size_t length);
  // Finishes the digest; the object must be Reset before it is used again.
  void Final(uint8_t digest[kDigestSize]);
  void Reset();

  // Lower-case hexadecimal text of a digest, 32 characters.
  static std::string ToHex(const uint8_t digest[kDigestSize]);
  static std::string HexOf(const void* data, size_t length);

 private:
  void Transform(const uint8_t block[64]);

  uint32_t state_[4];
  uint64_t bitCount_;
  uint8_t buffer_[64];
  size_t buffered_;
};

}  // namespace zelva::crypto
