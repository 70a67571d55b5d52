#include "CipherWrite.h"

#include <cstring>

namespace zelva::archive {

CipherStreamWriter::CipherStreamWriter(CipherState& state) : state_(state) {
  if (state_.keySet) state_.fill = 0;
}

bool CipherStreamWriter::WritePrefix(uint32_t offset, const uint8_t* data, uint32_t count, CipherSink& sink) {
  uint8_t prefix[kPlainPrefix];
  std::memcpy(prefix, data, count);
  static const uint8_t kSignature[4] = {'C', 'R', 'Y', 'P'};
  for (uint32_t at = offset; at < 4 && at < offset + count; ++at) prefix[at - offset] = kSignature[at];
  return sink.WriteAt(offset, prefix, count);
}

bool CipherStreamWriter::Write(uint32_t offset, const uint8_t* data, uint32_t count, CipherSink& sink) {
  if (!state_.keySet || state_.fill < 0) return false;
  if (offset < kPlainPrefix && count > 0) {
    uint32_t head = kPlainPrefix - offset;
    if (head > count) head = count;
    if (!WritePrefix(offset, data, head, sink)) return false;
    offset += head;
    data += head;
    count -= head;
  }
  if (count == 0) return true;
  if (offset != streamEnd()) return false;

  if (state_.fill > 0) {
    uint32_t take = kCipherBlock - uint32_t(state_.fill);
    if (take > count) take = count;
    std::memcpy(state_.partial + state_.fill, data, take);
    state_.fill += int(take);
    data += take;
    count -= take;
    if (state_.fill < int(kCipherBlock)) return true;
    state_.fill = 0;
    if (!WriteBlocks(state_.partial, kCipherBlock, sink)) return false;
  }
  // Whole blocks go out in large pieces: one write per block would cost a
  // system call per 8 bytes.
  uint8_t staging[kStagingBytes];
  while (count >= kCipherBlock) {
    uint32_t take = count & ~(kCipherBlock - 1);
    if (take > kStagingBytes) take = kStagingBytes;
    std::memcpy(staging, data, take);
    if (!WriteBlocks(staging, take, sink)) return false;
    data += take;
    count -= take;
  }
  std::memcpy(state_.partial, data, count);
  state_.fill = int(count);
  return true;
}

bool CipherStreamWriter::WriteBlocks(uint8_t* blocks, uint32_t count, CipherSink& sink) {
  for (uint32_t at = 0; at < count; at += kCipherBlock) state_.cipher.EncryptLittleEndian(blocks + at);
  if (!sink.WriteAt(blockStart_, blocks, count)) return false;
  blockStart_ += count;
  return true;
}

bool CipherStreamWriter::Finish(CipherSink& sink) {
  if (!state_.keySet || state_.fill < 0) return false;
  if (state_.fill == 0) return true;
  uint8_t block[kCipherBlock] = {};
  std::memcpy(block, state_.partial, size_t(state_.fill));
  state_.fill = 0;
  return WriteBlocks(block, kCipherBlock, sink);
}

}  // namespace zelva::archive
