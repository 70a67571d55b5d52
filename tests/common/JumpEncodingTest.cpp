#include "JumpEncoding.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zelva::crash;

namespace {

template <size_t N>
std::vector<uint8_t> Bytes(const uint8_t (&code)[N]) {
  return std::vector<uint8_t>(code, code + N);
}

// The distance counts from the end of the five-byte instruction.
TEST(JumpEncoding, RelativeJumpReachesTwoGigabytesEitherWayAndNoFurther) {
  uint8_t code[kRelativeJumpBytes] = {};
  const uint64_t from = 0x7B60FC3Cull;
  EXPECT_TRUE(EncodeRelativeJump(from, from + 5 + 0x7FFFFFFFull, code));
  EXPECT_EQ(Bytes(code), (std::vector<uint8_t>{0xE9, 0xFF, 0xFF, 0xFF, 0x7F}));
  ASSERT_TRUE(EncodeRelativeJump(0x7FF6A1B31000ull, 0x7FF6A1B30000ull, code));  // backwards
  EXPECT_EQ(Bytes(code), (std::vector<uint8_t>{0xE9, 0xFB, 0xEF, 0xFF, 0xFF}));
  EXPECT_FALSE(EncodeRelativeJump(from, from + 5 + 0x80000000ull, code));
  EXPECT_FALSE(EncodeRelativeJump(from, from + 5 - 0x80000001ull, code));
}

TEST(JumpEncoding, ThirtyTwoBitJumpWrapsAroundTheAddressSpace) {
  uint8_t code[kRelativeJumpBytes];
  EncodeRelativeJump32(0xF0000000u, 0x10000000u, code);  // forward through 4 GiB
  EXPECT_EQ(Bytes(code), (std::vector<uint8_t>{0xE9, 0xFB, 0xFF, 0xFF, 0x1F}));
}

TEST(JumpEncoding, AbsoluteJumpLoadsTheTargetIntoRaxAndJumps) {
  uint8_t code[kAbsoluteJumpBytes];
  EncodeAbsoluteJump(0x0000000140012345ull, code);
  EXPECT_EQ(Bytes(code), (std::vector<uint8_t>{0x48, 0xB8, 0x45, 0x23, 0x01, 0x40, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xE0}));
}

}  // namespace
