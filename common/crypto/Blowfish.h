// Blowfish block cipher (64-bit blocks, keys of 1 to 72 bytes), ECB only.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zelva::crypto {

class Blowfish {
 public:
  static constexpr size_t kBlockSize = 8;
  static constexpr size_t kMaxKeyBytes = 72;

  // Key bytes are taken cyclically; returns false for an empty key.
  bool SetKey(const uint8_t* key, size_t length);

  void EncryptBlock(uint32_t& left, uint32_t& right) const;
  void DecryptBlock(uint32_t& left, uint32_t& right) const;

  // Halves stored as little-endian words: the package cipher's byte order.
  void EncryptLittleEndian(uint8_t* block) const;
  void DecryptLittleEndian(uint8_t* block) const;
  // Halves stored big-endian: the byte order of the published test vectors.
  void EncryptBigEndian(uint8_t* block) const;
  void DecryptBigEndian(uint8_t* block) const;

 private:
  uint32_t Feistel(uint32_t x) const;

  uint32_t subkeys_[18] = {};
  uint32_t sboxes_[4][256] = {};
};

}  // namespace zelva::crypto
