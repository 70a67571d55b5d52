// The package cipher: Blowfish in ECB mode over the content of a cabinet from
// byte 56 on, halves stored little-endian. Shared by the reader and the writer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Blowfish.h"

namespace zelva::archive {

// Bytes 0..55 of an enciphered cabinet stay plain (its header stays readable).
constexpr uint32_t kPlainPrefix = 56;
constexpr uint32_t kCipherBlock = 8;
constexpr uint32_t kDecipherBufferSize = 65536;

struct CipherState {
  uint8_t partial[kCipherBlock] = {};
  int fill = -1;        // bytes in partial; -1 while no key is set
  bool keySet = false;
  zelva::crypto::Blowfish cipher;

  // An empty key clears it.
  void SetKey(size_t length, const uint8_t* key);
};

}  // namespace zelva::archive
