// Reading an enciphered cabinet: whole 8-byte blocks are read and deciphered
// in place, then the requested bytes are handed out. Works over any source
// that can seek to an offset and read.
#pragma once

#include <cstdint>

#include "CipherState.h"

namespace zelva::archive {

class CipherSource {
 public:
  virtual ~CipherSource() = default;
  virtual bool SeekTo(uint32_t offset) = 0;
  // Bytes read (fewer only at the end), or -1.
  virtual int64_t Read(uint8_t* buffer, uint32_t count) = 0;
};

// Reads count bytes of the plain cabinet at offset into out. The source is
// at offset on entry and at offset + result on success. buffer holds
// kDecipherBufferSize bytes. Returns the bytes handed out: count, or fewer
// when the source ends on a block boundary before offset + count; -1 when
// the source fails or ends inside a block.
int64_t DecipherRead(const CipherState& state, uint8_t* buffer, CipherSource& source, uint32_t offset, uint8_t* out,
                     uint32_t count);

// Result of the signature check on the first four bytes of a cabinet.
enum class Signature { kPlain, kEnciphered, kKeyButPlain, kEncipheredWithoutKey, kNotACabinet };
Signature CheckSignature(const uint8_t* first4, bool keySet);

}  // namespace zelva::archive
