#include "FileDigest.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "Md5.h"

using namespace zelva::crypto;

namespace {

std::string Md5Hex(const std::string& bytes) { return Md5::HexOf(bytes.data(), bytes.size()); }

std::string Digest(const std::string& raw) { return TextDigestOfBytes(raw.data(), raw.size()); }

}  // namespace

TEST(FileDigest, ReadsLikeTheTextModeRuntime) {
  EXPECT_EQ(Digest(""), Md5Hex("\xff"));  // the end-of-file byte
  // CR LF pairs become LF, lone CRs stay, 0x00 bytes vanish, 0x1A ends the read.
  const char kRaw[] = "line1\r\nline2\rx\0y\r\r\nend\x1a" "after\r\n";
  const std::string raw(kRaw, sizeof(kRaw) - 1);
  EXPECT_EQ(Digest(raw), Md5Hex(std::string("line1\nline2\rxy\r\nend\xff")));
  // A CR just before the end, or before 0x1A, is delivered as it is.
  EXPECT_EQ(Digest("a\r"), Md5Hex("a\r\xff"));
  EXPECT_EQ(Digest("a\r\x1a\n"), Md5Hex("a\r\xff"));
  // 0xFF in the file is data, not the end.
  EXPECT_EQ(Digest("\xff\x80"), Md5Hex("\xff\x80\xff"));
}

TEST(FileDigest, ChunkBoundaryBetweenCarriageReturnAndLineFeed) {
  std::string raw;
  for (int i = 0; i < 3000; ++i) raw += "ab\r\n";
  TextModeDigest pieces;
  for (size_t at = 0; at < raw.size(); at += 3)
    pieces.Feed(reinterpret_cast<const uint8_t*>(raw.data()) + at, std::min<size_t>(3, raw.size() - at));
  std::string expected;
  for (int i = 0; i < 3000; ++i) expected += "ab\n";
  expected += '\xff';
  EXPECT_EQ(pieces.Finish(), Md5Hex(expected));
}

TEST(FileDigest, OfAFileOnDisk) {
  std::string path = ::testing::TempDir() + "zelva_digest_test.txt";
  const char kRaw[] = "Hello\r\nWorld\0!\x1a" "ignored";
  const std::string raw(kRaw, sizeof(kRaw) - 1);
  std::ofstream(path, std::ios::binary) << raw;
  std::string hex;
  ASSERT_TRUE(FileDigest(path.c_str(), hex));
  EXPECT_EQ(hex, Md5Hex("Hello\nWorld!\xff"));
  std::remove(path.c_str());
  EXPECT_FALSE(FileDigest(path.c_str(), hex));
}
