#include "CipherRead.h"

#include <cstring>

namespace zelva::archive {
namespace {

constexpr uint32_t kBlockMask = ~(kCipherBlock - 1);

// One pass that fits the buffer: offset - start < 8, start a block boundary.
int64_t DecipherChunk(const CipherState& state, uint8_t* buffer, CipherSource& source, uint32_t offset, uint8_t* out,
                      uint32_t count) {
  const uint32_t start = offset & kBlockMask;
  const uint32_t skip = offset - start;
  if (skip != 0 && !source.SeekTo(start)) return -1;
  const uint64_t end = uint64_t(offset) + count;                     // one past the last byte wanted
  const uint32_t want = uint32_t(((end - 1) & kBlockMask) - start + kCipherBlock);
  const int64_t got = source.Read(buffer, want);
  if (got < 0) return -1;
  // A short read is the end of the source: fine on a block boundary, a
  // damaged file inside a block.
  if (got < int64_t(want) && got % kCipherBlock != 0) return -1;

  uint32_t plain = start < kPlainPrefix ? kPlainPrefix - start : 0;
  if (plain > uint32_t(got)) plain = uint32_t(got);
  for (uint32_t at = plain; at < uint32_t(got); at += kCipherBlock) state.cipher.DecryptLittleEndian(buffer + at);

  uint32_t delivered = got > int64_t(skip) ? uint32_t(got) - skip : 0;
  if (delivered > count) delivered = count;
  std::memcpy(out, buffer + skip, delivered);
  if (!source.SeekTo(offset + delivered)) return -1;
  return delivered;
}

}  // namespace

int64_t DecipherRead(const CipherState& state, uint8_t* buffer, CipherSource& source, uint32_t offset, uint8_t* out,
                     uint32_t count) {
  if (count == 0) return 0;
  if (uint64_t(offset) + count > 0xFFFFFFFFull) return -1;
  // The decoder's reads fit one pass; larger ones go block-aligned in pieces.
  int64_t total = 0;
  while (count > 0) {
    const uint32_t skip = offset & (kCipherBlock - 1);
    uint32_t piece = kDecipherBufferSize - skip;
    if (piece > count) piece = count;
    const int64_t got = DecipherChunk(state, buffer, source, offset, out, piece);
    if (got < 0) return -1;
    total += got;
    if (uint32_t(got) < piece) break;
    offset += piece;
    out += piece;
    count -= piece;
  }
  return total;
}

Signature CheckSignature(const uint8_t* first4, bool keySet) {
  if (std::memcmp(first4, "MSCF", 4) == 0) return keySet ? Signature::kKeyButPlain : Signature::kPlain;
  if (std::memcmp(first4, "CRYP", 4) == 0) return keySet ? Signature::kEnciphered : Signature::kEncipheredWithoutKey;
  return Signature::kNotACabinet;
}

}  // namespace zelva::archive
