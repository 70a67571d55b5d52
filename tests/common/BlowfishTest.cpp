#include "Blowfish.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using zelva::crypto::Blowfish;

namespace {

std::string Hex(const uint8_t* bytes, size_t n) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string s;
  for (size_t i = 0; i < n; ++i) {
    s += kDigits[bytes[i] >> 4];
    s += kDigits[bytes[i] & 15];
  }
  return s;
}

void FromHex(const char* hex, uint8_t* out) {
  for (size_t i = 0; hex[2 * i]; ++i) out[i] = uint8_t(std::stoul(std::string(hex + 2 * i, 2), nullptr, 16));
}

struct Vector {
  const char* key;
  const char* plain;
  const char* cipher;
};

// Published ECB vectors: key, plaintext and ciphertext as big-endian hex.
const Vector kVectors[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
};

TEST(Blowfish, PublishedVectorsEncryptAndDecrypt) {
  for (const Vector& v : kVectors) {
    uint8_t key[8], block[8];
    FromHex(v.key, key);
    FromHex(v.plain, block);
    Blowfish cipher;
    ASSERT_TRUE(cipher.SetKey(key, sizeof(key)));
    cipher.EncryptBigEndian(block);
    EXPECT_EQ(Hex(block, 8), v.cipher) << "key " << v.key;
    cipher.DecryptBigEndian(block);
    EXPECT_EQ(Hex(block, 8), v.plain) << "key " << v.key;
  }
}

TEST(Blowfish, PackageByteOrderStoresHalvesLittleEndian) {
  // Reference from an independent implementation with each half byte-swapped.
  // A 17-byte key, not the 8 of the vectors above.
  const char* key = "KXRT_VaultSigil42";
  Blowfish cipher;
  ASSERT_TRUE(cipher.SetKey(reinterpret_cast<const uint8_t*>(key), std::strlen(key)));
  uint8_t block[8] = {0, 1, 2, 3, 4, 5, 6, 7};
  cipher.EncryptLittleEndian(block);
  EXPECT_EQ(Hex(block, 8), "134EB67454A47AE0");
  cipher.DecryptLittleEndian(block);
  EXPECT_EQ(Hex(block, 8), "0001020304050607");
}

TEST(Blowfish, RejectsEmptyKey) {
  Blowfish cipher;
  uint8_t key = 0;
  EXPECT_FALSE(cipher.SetKey(&key, 0));
}

}  // namespace
