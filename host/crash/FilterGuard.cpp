#include "FilterGuard.h"

#include <windows.h>

#include <cstdint>

#include "JumpEncoding.h"

namespace zelva::crash {
namespace {

LPTOP_LEVEL_EXCEPTION_FILTER WINAPI RefuseFilter(LPTOP_LEVEL_EXCEPTION_FILTER) { return nullptr; }

bool WriteCode(void* at, const void* code, size_t size) {
  SIZE_T written = 0;
  // Unlike a plain copy, this also writes to the read-only pages of loaded code.
  BOOL ok = WriteProcessMemory(GetCurrentProcess(), at, code, size, &written);
  FlushInstructionCache(GetCurrentProcess(), at, size);
  return ok && written == size;
}

#if defined(_WIN64)

// A jump of 5 bytes fits any function's start; when the stub lies beyond its
// 2 GiB reach, it lands on an absolute jump placed in a page within reach.
void* AllocateWithinReach(uintptr_t from, size_t size) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const uintptr_t granularity = system.dwAllocationGranularity;
  const uintptr_t reach = 0x7FF00000;
  const uintptr_t lowest = reinterpret_cast<uintptr_t>(system.lpMinimumApplicationAddress);
  const uintptr_t highest = reinterpret_cast<uintptr_t>(system.lpMaximumApplicationAddress);
  uintptr_t low = from > lowest + reach ? from - reach : lowest;
  uintptr_t high = highest - from > reach ? from + reach : highest;
  for (uintptr_t address = low; address < high;) {
    MEMORY_BASIC_INFORMATION region;
    if (VirtualQuery(reinterpret_cast<void*>(address), &region, sizeof(region)) == 0) break;
    uintptr_t base = reinterpret_cast<uintptr_t>(region.BaseAddress), end = base + region.RegionSize;
    if (region.State == MEM_FREE) {
      uintptr_t first = base > low ? base : low;
      uintptr_t start = (first + granularity - 1) / granularity * granularity;
      if (start + size <= end && start + size <= high) {
        void* block = VirtualAlloc(reinterpret_cast<void*>(start), size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (block != nullptr) return block;
      }
    }
    if (end <= address) break;
    address = end;
  }
  return nullptr;
}

bool RedirectFunction(void* function, void* stub) {
  const uintptr_t from = reinterpret_cast<uintptr_t>(function);
  uint8_t jump[kRelativeJumpBytes];
  if (EncodeRelativeJump(from, reinterpret_cast<uintptr_t>(stub), jump))
    return WriteCode(function, jump, sizeof(jump));

  void* trampoline = AllocateWithinReach(from, kAbsoluteJumpBytes);
  if (trampoline == nullptr) return false;
  uint8_t absolute[kAbsoluteJumpBytes];
  EncodeAbsoluteJump(reinterpret_cast<uintptr_t>(stub), absolute);
  DWORD previous = 0;
  CopyMemory(trampoline, absolute, sizeof(absolute));
  if (!VirtualProtect(trampoline, sizeof(absolute), PAGE_EXECUTE_READ, &previous) ||
      !EncodeRelativeJump(from, reinterpret_cast<uintptr_t>(trampoline), jump)) {
    VirtualFree(trampoline, 0, MEM_RELEASE);
    return false;
  }
  FlushInstructionCache(GetCurrentProcess(), trampoline, sizeof(absolute));
  return WriteCode(function, jump, sizeof(jump));
}

#else

bool RedirectFunction(void* function, void* stub) {
  uint8_t jump[kRelativeJumpBytes];
  EncodeRelativeJump32(uint32_t(reinterpret_cast<uintptr_t>(function)), uint32_t(reinterpret_cast<uintptr_t>(stub)),
                       jump);
  return WriteCode(function, jump, sizeof(jump));
}

#endif

}  // namespace

bool GuardExceptionFilter() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return false;
  FARPROC function = GetProcAddress(kernel, "SetUnhandledExceptionFilter");
  if (function == nullptr) return false;
  return RedirectFunction(reinterpret_cast<void*>(function), reinterpret_cast<void*>(&RefuseFilter));
}

}  // namespace zelva::crash
