#include "Md5.h"

#include <gtest/gtest.h>

#include <string>

using zelva::crypto::Md5;

TEST(Md5, PublishedVectors) {
  const std::pair<const char*, const char*> suite[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& [message, digest] : suite) {
    EXPECT_EQ(Md5::HexOf(message, std::string(message).size()), digest) << '"' << message << '"';
  }
}

TEST(Md5, ChunkingDoesNotChangeTheDigest) {
  // Lengths around the 56- and 64-byte padding boundaries, fed in odd pieces.
  for (size_t length : {55u, 56u, 64u, 1000u}) {
    std::string data(length, '\0');
    for (size_t i = 0; i < length; ++i) data[i] = char(i * 7 + 3);
    Md5 md5;
    for (size_t at = 0; at < length; at += 13) md5.Update(data.data() + at, std::min<size_t>(13, length - at));
    uint8_t digest[Md5::kDigestSize];
    md5.Final(digest);
    EXPECT_EQ(Md5::ToHex(digest), Md5::HexOf(data.data(), data.size())) << length;
  }
}
