// Writing an enciphered cabinet while the compressor produces it: bytes below
// offset 56 go out plain (the signature becomes "CRYP"), later bytes collect
// into 8-byte blocks that are enciphered as they fill; Finish pads the last
// block with zeros.
#pragma once

#include <cstdint>

#include "CipherState.h"

namespace zelva::archive {

class CipherSink {
 public:
  virtual ~CipherSink() = default;
  virtual bool WriteAt(uint32_t offset, const uint8_t* data, uint32_t count) = 0;
};

class CipherStreamWriter {
 public:
  // state must hold a key; its partial block is used and reset.
  explicit CipherStreamWriter(CipherState& state);

  // Bytes of the plain cabinet at offset. The plain prefix may be written in
  // any order and rewritten; the enciphered part only as one forward stream,
  // so a write there must start where the stream stands.
  bool Write(uint32_t offset, const uint8_t* data, uint32_t count, CipherSink& sink);
  bool Finish(CipherSink& sink);

  // Offset one past the last plain byte taken into the enciphered stream.
  uint32_t streamEnd() const { return blockStart_ + uint32_t(state_.fill > 0 ? state_.fill : 0); }

 private:
  static constexpr uint32_t kStagingBytes = 16384;
  bool WritePrefix(uint32_t offset, const uint8_t* data, uint32_t count, CipherSink& sink);
  // Enciphers whole blocks in place and writes them where the stream stands.
  bool WriteBlocks(uint8_t* blocks, uint32_t count, CipherSink& sink);

  CipherState& state_;
  uint32_t blockStart_ = kPlainPrefix;  // file offset of the partial block
};

}  // namespace zelva::archive
