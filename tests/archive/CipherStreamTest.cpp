#include <gtest/gtest.h>

#include "CipherTestSupport.h"

using namespace zelva::archive;
using namespace cabinet_test;

namespace {

CipherState KeyedState() {
  CipherState state;
  state.SetKey(kPackageKeyLength, PackageKey());
  return state;
}

// A read the way the decoder makes one: the source stands at the offset.
int64_t ReadAt(const CipherState& state, MemorySource& source, uint32_t offset, uint8_t* out, uint32_t count) {
  static std::vector<uint8_t> buffer(kDecipherBufferSize);
  source.SeekTo(offset);
  return DecipherRead(state, buffer.data(), source, offset, out, count);
}

// The writer sees the compressor's writes: header in pieces, the data, then a
// rewrite of the first bytes at the end, as the platform compressor does.
TEST(CipherStreamWriter, CompressorWriteOrderGivesTheWholeImageFormInFewWrites) {
  for (size_t length : {57u, 63u, 64u, 65u, 4099u, 1u << 20}) {
    CipherState state = KeyedState();
    std::vector<uint8_t> plain = PatternBytes(length, uint32_t(length));
    MemorySink sink;
    CipherStreamWriter writer(state);
    std::vector<size_t> cuts = {36, 44, 52, 61};  // the 52..61 piece straddles the plain prefix
    for (size_t piece = 3, at = 61; at < length; piece = piece * 3 + 1) cuts.push_back(at += piece);
    size_t at = 0;
    for (size_t cut : cuts) {
      cut = std::min(cut, length);
      if (cut <= at) break;
      ASSERT_TRUE(writer.Write(uint32_t(at), plain.data() + at, uint32_t(cut - at), sink)) << at;
      at = cut;
    }
    ASSERT_EQ(at, length);
    ASSERT_TRUE(writer.Write(0, plain.data(), 4, sink));
    ASSERT_TRUE(writer.Finish(sink));
    EXPECT_EQ(sink.bytes, EncipherWhole(state, plain)) << "length " << length;
    EXPECT_LT(sink.writes, 100) << "whole blocks go out in large pieces";
  }
}

TEST(CipherStreamWriter, RefusesWritesThatLeaveTheStream) {
  CipherState state = KeyedState();
  std::vector<uint8_t> plain = PatternBytes(128, 1);
  MemorySink sink;
  CipherStreamWriter writer(state);
  ASSERT_TRUE(writer.Write(0, plain.data(), 70, sink));
  EXPECT_FALSE(writer.Write(60, plain.data() + 60, 8, sink));   // back into enciphered data
  EXPECT_FALSE(writer.Write(80, plain.data() + 80, 8, sink));   // a gap
  EXPECT_TRUE(writer.Write(70, plain.data() + 70, 8, sink));

  CipherState noKey;
  CipherStreamWriter keyless(noKey);
  EXPECT_FALSE(keyless.Write(0, plain.data(), 8, sink));
}

// Reads at any offset within a buffer's reach are the fuzz target's; reads
// larger than the buffer go in pieces.
TEST(DecipherRead, ReadsLargerThanTheBufferGiveThePlainBytes) {
  CipherState state = KeyedState();
  std::vector<uint8_t> plain = PatternBytes(3 * kDecipherBufferSize + 77, 4);
  MemorySource source(EncipherWhole(state, plain));
  const uint32_t offset = 61, count = 2 * kDecipherBufferSize + 13;
  std::vector<uint8_t> out(count);
  ASSERT_EQ(ReadAt(state, source, offset, out.data(), count), int64_t(count));
  EXPECT_TRUE(std::equal(out.begin(), out.end(), plain.begin() + offset));
  EXPECT_EQ(source.at(), offset + count);
}

// An enciphered file is whole blocks long; one that is not was cut or damaged.
TEST(DecipherRead, IncompleteLastBlockAndFailingSourcesFail) {
  CipherState state = KeyedState();
  std::vector<uint8_t> image = EncipherWhole(state, PatternBytes(120, 5));
  image.resize(image.size() - 3);  // 117 bytes: the block at 112 lacks 3
  MemorySource source(image);
  std::vector<uint8_t> out(16);
  EXPECT_EQ(ReadAt(state, source, 100, out.data(), 12), 12);
  EXPECT_EQ(ReadAt(state, source, 100, out.data(), 13), -1);
  EXPECT_EQ(ReadAt(state, source, 113, out.data(), 1), -1);
  EXPECT_EQ(ReadAt(state, source, 0xFFFFFFFCu, out.data(), 8), -1);
  source.failReads = true;
  EXPECT_EQ(ReadAt(state, source, 0, out.data(), 8), -1);
}

// The decoder reads 256 bytes for each file name; near the end of a small
// package that runs past the end, which a plain read answers short.
TEST(DecipherRead, ReadPastAWholeBlockEndReturnsTheRest) {
  CipherState state = KeyedState();
  std::vector<uint8_t> plain = PatternBytes(100, 6);
  MemorySource source(EncipherWhole(state, plain));  // 104 bytes
  std::vector<uint8_t> out(256);
  ASSERT_EQ(ReadAt(state, source, 90, out.data(), 256), 14);
  EXPECT_TRUE(std::equal(plain.begin() + 90, plain.end(), out.begin()));
  EXPECT_EQ(ReadAt(state, source, 104, out.data(), 8), 0);
}

}  // namespace
