#include "Base64.h"

#include <gtest/gtest.h>

#include <string>

using namespace zelva::crypto;

TEST(Base64, PublishedVectorsRoundTrip) {
  const std::pair<std::string, std::string> vectors[] = {
      {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {std::string("\xff\xfe\x00\x80", 4), "//4AgA=="}};
  for (const auto& [plain, encoded] : vectors) {
    EXPECT_EQ(Base64Encode(plain.data(), plain.size()), encoded);
    std::vector<uint8_t> decoded;
    ASSERT_TRUE(Base64Decode(encoded, decoded)) << encoded;
    EXPECT_EQ(std::string(decoded.begin(), decoded.end()), plain);
  }
}

TEST(Base64, RejectsMalformedText) {
  std::vector<uint8_t> out;
  for (const char* bad : {"Zg=", "Zg==Zg==", "Zm9*", "=Zg="}) EXPECT_FALSE(Base64Decode(bad, out)) << bad;
}
