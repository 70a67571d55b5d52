#include "Blowfish.h"

#include <gtest/gtest.h>

#include <cstring>

using zelva::crypto::Blowfish;

namespace {

void Put(uint64_t value, uint8_t* bytes) {
  for (int i = 0; i < 8; ++i) bytes[i] = uint8_t(value >> (56 - 8 * i));
}

uint64_t Get(const uint8_t* bytes) {
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value = value << 8 | bytes[i];
  return value;
}

TEST(Blowfish, PublishedVectorsEncryptAndDecrypt) {
  // Published ECB vectors: key, plaintext, ciphertext, each big-endian.
  const uint64_t kVectors[][3] = {
      {0x0000000000000000, 0x0000000000000000, 0x4EF997456198DD78},
      {0xFFFFFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF, 0x51866FD5B85ECB8A},
      {0xFEDCBA9876543210, 0x0123456789ABCDEF, 0x0ACEAB0FC6A0A28D},
      {0x0131D9619DC1376E, 0x5CD54CA83DEF57DA, 0xB1B8CC0B250F09A0},
  };
  for (const auto& v : kVectors) {
    uint8_t key[8], block[8];
    Put(v[0], key);
    Put(v[1], block);
    Blowfish cipher;
    ASSERT_TRUE(cipher.SetKey(key, sizeof(key)));
    cipher.EncryptBigEndian(block);
    EXPECT_EQ(Get(block), v[2]) << std::hex << "key " << v[0];
    cipher.DecryptBigEndian(block);
    EXPECT_EQ(Get(block), v[1]) << std::hex << "key " << v[0];
  }
  const uint8_t none = 0;
  EXPECT_FALSE(Blowfish().SetKey(&none, 0));  // an empty key is refused
}

TEST(Blowfish, PackageByteOrderStoresHalvesLittleEndian) {
  // Reference from an independent implementation with each half byte-swapped.
  // A 17-byte key, not the 8 of the vectors above.
  const char* key = "KXRT_VaultSigil42";
  Blowfish cipher;
  ASSERT_TRUE(cipher.SetKey(reinterpret_cast<const uint8_t*>(key), std::strlen(key)));
  uint8_t block[8] = {0, 1, 2, 3, 4, 5, 6, 7};
  cipher.EncryptLittleEndian(block);
  EXPECT_EQ(Get(block), 0x134EB67454A47AE0u);
  cipher.DecryptLittleEndian(block);
  EXPECT_EQ(Get(block), 0x0001020304050607u);
}

}  // namespace
