// Machine code of the jumps that redirect a function of the running process.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zelva::crash {

constexpr size_t kRelativeJumpBytes = 5;
constexpr size_t kAbsoluteJumpBytes = 12;

// "jmp rel32" placed at `from`; false when `to` lies beyond its reach.
bool EncodeRelativeJump(uint64_t from, uint64_t to, uint8_t (&code)[kRelativeJumpBytes]);

// The same in a 32-bit address space, where the displacement wraps around
// and every address is in reach.
void EncodeRelativeJump32(uint32_t from, uint32_t to, uint8_t (&code)[kRelativeJumpBytes]);

// "mov rax, imm64; jmp rax": reaches any address of a 64-bit process.
void EncodeAbsoluteJump(uint64_t to, uint8_t (&code)[kAbsoluteJumpBytes]);

}  // namespace zelva::crash
