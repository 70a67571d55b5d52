#include "Blowfish.h"

#include <cstring>

#include "BlowfishTables.h"
#include "ByteOrder.h"

namespace zelva::crypto {

bool Blowfish::SetKey(const uint8_t* key, size_t length) {
  if (key == nullptr || length == 0) return false;
  std::memcpy(subkeys_, kBlowfishInitialSubkeys, sizeof(subkeys_));
  std::memcpy(sboxes_, kBlowfishInitialSBoxes, sizeof(sboxes_));

  size_t at = 0;
  for (uint32_t& subkey : subkeys_) {
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
      word = (word << 8) | key[at];
      at = (at + 1) % length;
    }
    subkey ^= word;
  }

  uint32_t left = 0, right = 0;
  for (int i = 0; i < 18; i += 2) {
    EncryptBlock(left, right);
    subkeys_[i] = left;
    subkeys_[i + 1] = right;
  }
  for (auto& box : sboxes_) {
    for (int i = 0; i < 256; i += 2) {
      EncryptBlock(left, right);
      box[i] = left;
      box[i + 1] = right;
    }
  }
  return true;
}

uint32_t Blowfish::Feistel(uint32_t x) const {
  uint32_t h = sboxes_[0][x >> 24] + sboxes_[1][(x >> 16) & 0xFF];
  return (h ^ sboxes_[2][(x >> 8) & 0xFF]) + sboxes_[3][x & 0xFF];
}

void Blowfish::EncryptBlock(uint32_t& left, uint32_t& right) const {
  uint32_t l = left, r = right;
  for (int i = 0; i < 16; i += 2) {
    l ^= subkeys_[i];
    r ^= Feistel(l);
    r ^= subkeys_[i + 1];
    l ^= Feistel(r);
  }
  l ^= subkeys_[16];
  r ^= subkeys_[17];
  left = r;
  right = l;
}

void Blowfish::DecryptBlock(uint32_t& left, uint32_t& right) const {
  uint32_t l = left, r = right;
  for (int i = 17; i > 1; i -= 2) {
    l ^= subkeys_[i];
    r ^= Feistel(l);
    r ^= subkeys_[i - 1];
    l ^= Feistel(r);
  }
  l ^= subkeys_[1];
  r ^= subkeys_[0];
  left = r;
  right = l;
}

void Blowfish::EncryptLittleEndian(uint8_t* block) const {
  uint32_t l = LoadLittleEndian32(block), r = LoadLittleEndian32(block + 4);
  EncryptBlock(l, r);
  StoreLittleEndian32(block, l);
  StoreLittleEndian32(block + 4, r);
}

void Blowfish::DecryptLittleEndian(uint8_t* block) const {
  uint32_t l = LoadLittleEndian32(block), r = LoadLittleEndian32(block + 4);
  DecryptBlock(l, r);
  StoreLittleEndian32(block, l);
  StoreLittleEndian32(block + 4, r);
}

void Blowfish::EncryptBigEndian(uint8_t* block) const {
  uint32_t l = LoadBigEndian32(block), r = LoadBigEndian32(block + 4);
  EncryptBlock(l, r);
  StoreBigEndian32(block, l);
  StoreBigEndian32(block + 4, r);
}

void Blowfish::DecryptBigEndian(uint8_t* block) const {
  uint32_t l = LoadBigEndian32(block), r = LoadBigEndian32(block + 4);
  DecryptBlock(l, r);
  StoreBigEndian32(block, l);
  StoreBigEndian32(block + 4, r);
}

}  // namespace zelva::crypto
