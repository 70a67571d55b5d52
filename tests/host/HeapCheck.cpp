#include "HeapCheck.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

constexpr int kCapacity = 4096;

// Written only by the followed thread.
struct Record {
  std::atomic<DWORD> thread{0};
  void* live[kCapacity];
  int liveCount = 0;
  void* freed[kCapacity];
  int freedCount = 0;
  int repeated = 0;
  std::size_t refuseFrom = 0;  // 0: refuse nothing
};
Record g_record;

bool Following() { return g_record.thread.load() == GetCurrentThreadId(); }

bool Remove(void** blocks, int& count, void* block) {
  for (int i = 0; i < count; ++i) {
    if (blocks[i] == block) {
      blocks[i] = blocks[--count];
      return true;
    }
  }
  return false;
}

void Note(void* block) {
  if (block == nullptr || !Following()) return;
  Remove(g_record.freed, g_record.freedCount, block);  // the heap gave the address out again
  if (g_record.liveCount < kCapacity) g_record.live[g_record.liveCount++] = block;
}

// False when the block was freed before under the check.
bool Forget(void* block) {
  if (!Following()) return true;
  if (Remove(g_record.live, g_record.liveCount, block)) {
    if (g_record.freedCount < kCapacity) g_record.freed[g_record.freedCount++] = block;
    return true;
  }
  if (Remove(g_record.freed, g_record.freedCount, block)) {
    ++g_record.repeated;
    return false;
  }
  return true;  // allocated before the check began
}

void* Allocate(std::size_t size) noexcept {
  if (Following() && g_record.refuseFrom != 0 && size >= g_record.refuseFrom) return nullptr;
  void* block = std::malloc(size != 0 ? size : 1);
  Note(block);
  return block;
}

void Free(void* block) noexcept {
  if (block != nullptr && Forget(block)) std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* block = Allocate(size)) return block;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Free(block); }

namespace zelva::testing {

HeapCheck::HeapCheck() {
  g_record.liveCount = g_record.freedCount = g_record.repeated = 0;
  g_record.refuseFrom = 0;
  g_record.thread = GetCurrentThreadId();
}

HeapCheck::~HeapCheck() { g_record.thread = 0; }

void HeapCheck::RefuseFrom(std::size_t bytes) { g_record.refuseFrom = bytes; }

int HeapCheck::repeatedFrees() const { return g_record.repeated; }
int HeapCheck::liveBlocks() const { return g_record.liveCount; }

}  // namespace zelva::testing
