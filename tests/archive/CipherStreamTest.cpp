#include <gtest/gtest.h>

#include "CipherTestSupport.h"

using namespace Cabinet;
using namespace cabinet_test;

namespace {

CipherState KeyedState() {
  CipherState state;
  state.SetKey(kPackageKeyLength, PackageKey());
  return state;
}

TEST(CipherState, KeyLifecycle) {
  CipherState state;
  EXPECT_FALSE(state.keySet);
  EXPECT_EQ(state.fill, -1);
  state.SetKey(kPackageKeyLength, PackageKey());
  EXPECT_TRUE(state.keySet);
  EXPECT_EQ(state.fill, 0);
  state.SetKey(0, PackageKey());
  EXPECT_FALSE(state.keySet);
  EXPECT_EQ(state.fill, -1);
}

// The writer sees the compressor's writes: header in pieces, the data, then a
// rewrite of the first bytes at the end, as the platform compressor does.
TEST(CipherStreamWriter, CompressorWriteOrderGivesTheWholeImageForm) {
  for (size_t length : {57u, 63u, 64u, 65u, 200u, 4099u, 70000u}) {
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
    EXPECT_EQ(sink.bytes.size(), 56 + (length - 56 + 7) / 8 * 8);
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
  EXPECT_EQ(noKey.fill, -1);
}

TEST(CipherStreamWriter, WritesWholeBlocksInLargePieces) {
  CipherState state = KeyedState();
  std::vector<uint8_t> plain = PatternBytes(1 << 20, 9);
  MemorySink sink;
  CipherStreamWriter writer(state);
  ASSERT_TRUE(writer.Write(0, plain.data(), uint32_t(plain.size()), sink));
  ASSERT_TRUE(writer.Finish(sink));
  EXPECT_LT(sink.writes, 100);
  EXPECT_EQ(sink.bytes, EncipherWhole(state, plain));
}

TEST(DecipherRead, EveryOffsetAndLengthGivesThePlainBytes) {
  CipherState state = KeyedState();
  std::vector<uint8_t> plain = PatternBytes(157, 3);
  MemorySource source(EncipherWhole(state, plain));
  std::vector<uint8_t> buffer(kDecipherBufferSize);
  for (uint32_t offset = 0; offset < plain.size(); ++offset) {
    for (uint32_t count = 1; offset + count <= plain.size(); ++count) {
      ASSERT_TRUE(source.SeekTo(offset));
      std::vector<uint8_t> out(count);
      ASSERT_EQ(DecipherRead(state, buffer.data(), source, offset, out.data(), count), int64_t(count));
      EXPECT_EQ(source.at(), offset + count);
      std::vector<uint8_t> expected(plain.begin() + offset, plain.begin() + offset + count);
      static const char kCryp[] = "CRYP";
      if (offset < 4) std::memcpy(expected.data(), &kCryp[offset], std::min<size_t>(4 - offset, count));
      ASSERT_EQ(out, expected) << offset << "+" << count;
    }
  }
}

TEST(DecipherRead, ReadsLargerThanTheBufferGoInPieces) {
  CipherState state = KeyedState();
  std::vector<uint8_t> plain = PatternBytes(3 * kDecipherBufferSize + 77, 4);
  MemorySource source(EncipherWhole(state, plain));
  std::vector<uint8_t> buffer(kDecipherBufferSize);
  const uint32_t offset = 61, count = 2 * kDecipherBufferSize + 13;
  source.SeekTo(offset);
  std::vector<uint8_t> out(count);
  ASSERT_EQ(DecipherRead(state, buffer.data(), source, offset, out.data(), count), int64_t(count));
  EXPECT_TRUE(std::equal(out.begin(), out.end(), plain.begin() + offset));
}

// An enciphered file is whole blocks long; one that is not was cut or damaged.
TEST(DecipherRead, IncompleteLastBlockFailsOnlyTheReadsThatTouchIt) {
  CipherState state = KeyedState();
  std::vector<uint8_t> plain = PatternBytes(120, 5);
  std::vector<uint8_t> image = EncipherWhole(state, plain);
  image.resize(image.size() - 3);  // 117 bytes: the block at 112 lacks 3
  MemorySource source(image);
  std::vector<uint8_t> buffer(kDecipherBufferSize), out(16);
  source.SeekTo(100);
  EXPECT_EQ(DecipherRead(state, buffer.data(), source, 100, out.data(), 12), 12);
  source.SeekTo(100);
  EXPECT_EQ(DecipherRead(state, buffer.data(), source, 100, out.data(), 13), -1);
  source.SeekTo(113);
  EXPECT_EQ(DecipherRead(state, buffer.data(), source, 113, out.data(), 1), -1);
}

// The decoder reads 256 bytes for each file name; near the end of a small
// package that runs past the end, which a plain read answers short.
TEST(DecipherRead, ReadPastAWholeBlockEndReturnsTheRest) {
  CipherState state = KeyedState();
  std::vector<uint8_t> plain = PatternBytes(100, 6);
  std::vector<uint8_t> image = EncipherWhole(state, plain);  // 104 bytes
  MemorySource source(image);
  std::vector<uint8_t> buffer(kDecipherBufferSize), out(256);
  source.SeekTo(90);
  ASSERT_EQ(DecipherRead(state, buffer.data(), source, 90, out.data(), 256), 14);
  EXPECT_TRUE(std::equal(plain.begin() + 90, plain.end(), out.begin()));
  EXPECT_EQ(source.at(), 104u);
  source.SeekTo(104);
  EXPECT_EQ(DecipherRead(state, buffer.data(), source, 104, out.data(), 8), 0);
}

TEST(DecipherRead, EmptyReadsAndFailingSources) {
  CipherState state = KeyedState();
  MemorySource source(EncipherWhole(state, PatternBytes(80, 7)));
  std::vector<uint8_t> buffer(kDecipherBufferSize), out(8);
  EXPECT_EQ(DecipherRead(state, buffer.data(), source, 0, out.data(), 0), 0);
  EXPECT_EQ(source.seeks, 0);
  EXPECT_EQ(DecipherRead(state, buffer.data(), source, 0xFFFFFFFCu, out.data(), 8), -1);
  source.failReads = true;
  EXPECT_EQ(DecipherRead(state, buffer.data(), source, 0, out.data(), 8), -1);
}

TEST(CheckSignature, KeyDecidesWhichSignatureIsAccepted) {
  const uint8_t mscf[] = {'M', 'S', 'C', 'F'}, cryp[] = {'C', 'R', 'Y', 'P'}, zip[] = {'P', 'K', 3, 4};
  EXPECT_EQ(CheckSignature(mscf, false), Signature::kPlain);
  EXPECT_EQ(CheckSignature(mscf, true), Signature::kKeyButPlain);
  EXPECT_EQ(CheckSignature(cryp, true), Signature::kEnciphered);
  EXPECT_EQ(CheckSignature(cryp, false), Signature::kEncipheredWithoutKey);
  EXPECT_EQ(CheckSignature(zip, false), Signature::kNotACabinet);
  EXPECT_EQ(CheckSignature(zip, true), Signature::kNotACabinet);
}

}  // namespace
