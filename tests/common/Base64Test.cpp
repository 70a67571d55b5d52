#include "Base64.h"

#include <gtest/gtest.h>

#include <string>

using namespace zelva::crypto;

TEST(Base64, Rfc4648Vectors) {
  const std::pair<std::string, std::string> vectors[] = {
      {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
  };
  for (const auto& [plain, encoded] : vectors) {
    EXPECT_EQ(Base64Encode(plain.data(), plain.size()), encoded);
    std::vector<uint8_t> decoded;
    ASSERT_TRUE(Base64Decode(encoded, decoded)) << encoded;
    EXPECT_EQ(std::string(decoded.begin(), decoded.end()), plain);
  }
}

TEST(Base64, AllByteValuesRoundTrip) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += char(i);
  std::vector<uint8_t> decoded;
  ASSERT_TRUE(Base64Decode(Base64Encode(bytes.data(), bytes.size()), decoded));
  EXPECT_EQ(std::string(decoded.begin(), decoded.end()), bytes);
}

TEST(Base64, RejectsMalformedText) {
  std::vector<uint8_t> out;
  for (const char* bad : {"Zg=", "Z===", "Zg==Zg==", "Zm9*", "Zg=a", "=Zg="}) {
    EXPECT_FALSE(Base64Decode(bad, out)) << bad;
  }
}
