#include "JumpEncoding.h"

namespace zelva::crash {
namespace {

void WriteRelativeJump(uint32_t displacement, uint8_t (&code)[kRelativeJumpBytes]) {
  code[0] = 0xE9;
  for (int i = 0; i < 4; ++i) code[1 + i] = uint8_t(displacement >> (8 * i));
}

}  // namespace

bool EncodeRelativeJump(uint64_t from, uint64_t to, uint8_t (&code)[kRelativeJumpBytes]) {
  // The displacement counts from the end of the 5-byte instruction.
  int64_t displacement = int64_t(to - (from + kRelativeJumpBytes));
  if (displacement < INT32_MIN || displacement > INT32_MAX) return false;
  WriteRelativeJump(uint32_t(int32_t(displacement)), code);
  return true;
}

void EncodeRelativeJump32(uint32_t from, uint32_t to, uint8_t (&code)[kRelativeJumpBytes]) {
  WriteRelativeJump(to - (from + uint32_t(kRelativeJumpBytes)), code);
}

void EncodeAbsoluteJump(uint64_t to, uint8_t (&code)[kAbsoluteJumpBytes]) {
  code[0] = 0x48;
  code[1] = 0xB8;
  for (int i = 0; i < 8; ++i) code[2 + i] = uint8_t(to >> (8 * i));
  code[10] = 0xFF;
  code[11] = 0xE0;
}

}  // namespace zelva::crash
