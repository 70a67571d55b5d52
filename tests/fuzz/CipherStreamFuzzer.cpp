// Whatever pieces the compressor writes a cabinet in, the enciphered stream
// must equal the whole-image form, and deciphering reads at any offset must
// give back the plain bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "CipherTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  // Layout: key choice, chunk pattern seed, read pattern seed, then the image.
  // A few fixed keys: the key schedule would cost more than all the rest.
  static zelva::archive::CipherState* states = [] {
    static zelva::archive::CipherState keyed[4];
    const char* keys[4] = {"KXRT_VaultSigil42", "K", "a longer key of thirty-two bytes", "\x01\x02\x03"};
    for (int i = 0; i < 4; ++i) keyed[i].SetKey(std::strlen(keys[i]), reinterpret_cast<const uint8_t*>(keys[i]));
    return keyed;
  }();
  zelva::archive::CipherState state = states[data[0] % 4];
  uint8_t chunkSeed = data[1], readSeed = data[2];
  data += 3;
  size -= 3;
  if (size < zelva::archive::kPlainPrefix + 1) return 0;
  std::vector<uint8_t> plain(data, data + size);
  std::memcpy(plain.data(), "MSCF", 4);
  const std::vector<uint8_t> whole = cabinet_test::EncipherWhole(state, plain);

  cabinet_test::MemorySink sink;
  zelva::archive::CipherStreamWriter writer(state);
  size_t at = 0;
  uint32_t x = chunkSeed * 2654435761u + 7;
  while (at < plain.size()) {
    x = x * 1103515245u + 12345u;
    size_t piece = 1 + (x >> 16) % 97;
    if (piece > plain.size() - at) piece = plain.size() - at;
    if (!writer.Write(uint32_t(at), plain.data() + at, uint32_t(piece), sink)) std::abort();
    at += piece;
  }
  if (!writer.Write(0, plain.data(), 4, sink) || !writer.Finish(sink)) std::abort();
  if (sink.bytes != whole) std::abort();

  cabinet_test::MemorySource source(whole);
  static std::vector<uint8_t> buffer(zelva::archive::kDecipherBufferSize);
  std::vector<uint8_t> out(plain.size());
  uint32_t y = readSeed * 40503u + 1;
  for (int read = 0; read < 16; ++read) {
    y = y * 1103515245u + 12345u;
    uint32_t offset = (y >> 8) % uint32_t(plain.size());
    uint32_t count = 1 + (y >> 3) % uint32_t(plain.size() - offset);
    source.SeekTo(offset);
    if (zelva::archive::DecipherRead(state, buffer.data(), source, offset, out.data(), count) != int64_t(count)) std::abort();
    for (uint32_t i = 0; i < count; ++i) {
      uint8_t expected = offset + i < 4 ? uint8_t("CRYP"[offset + i]) : plain[offset + i];
      if (out[i] != expected) std::abort();
    }
  }
  return 0;
}
