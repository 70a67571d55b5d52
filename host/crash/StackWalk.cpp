#include "StackWalk.h"

#include <tlhelp32.h>

#include "FixedText.h"
#include "Handles.h"

namespace zelva::crash {
namespace {

constexpr size_t kMaxModules = 512;

struct ModuleEntry {
  char path[MAX_PATH];
};

ModuleEntry g_paths[kMaxModules];
ModuleRange g_modules[kMaxModules];

size_t SnapshotModules() {
  win::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0));
  if (!snapshot) return 0;
  MODULEENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  size_t count = 0;
  for (BOOL more = Module32First(snapshot.get(), &entry); more && count < kMaxModules;
       more = Module32Next(snapshot.get(), &entry)) {
    text::CopyBounded(g_paths[count].path, entry.szExePath);
    g_modules[count] = {uint64_t(reinterpret_cast<uintptr_t>(entry.modBaseAddr)), uint64_t(entry.modBaseSize),
                        g_paths[count].path};
    ++count;
  }
  return count;
}

bool Readable(uintptr_t address, size_t bytes) {
  return address != 0 && !IsBadReadPtr(reinterpret_cast<const void*>(address), bytes);
}

bool IsCode(uintptr_t address) {
  return address != 0 && !IsBadCodePtr(reinterpret_cast<FARPROC>(address));
}

// The three stack words at `at`, when they can be read.
void ReadArguments(StackFrame& frame, uintptr_t at) {
  frame.hasArguments = Readable(at, 3 * sizeof(uintptr_t));
  if (!frame.hasArguments) return;
  const auto* words = reinterpret_cast<const uintptr_t*>(at);
  for (int i = 0; i < 3; ++i) frame.arguments[i] = words[i];
}

#if defined(_WIN64)

// One step up the call chain by the unwind data of the code; a function
// without unwind data is a leaf whose return address is on top of the stack.
bool Unwind(CONTEXT& context) {
  DWORD64 imageBase = 0;
  PRUNTIME_FUNCTION function = RtlLookupFunctionEntry(context.Rip, &imageBase, nullptr);
  if (function != nullptr) {
    void* handlerData = nullptr;
    DWORD64 establisher = 0;
    RtlVirtualUnwind(UNW_FLAG_NHANDLER, imageBase, context.Rip, function, &context, &handlerData, &establisher,
                     nullptr);
    return true;
  }
  if (!Readable(uintptr_t(context.Rsp), sizeof(DWORD64))) return false;
  context.Rip = *reinterpret_cast<const DWORD64*>(context.Rsp);
  context.Rsp += sizeof(DWORD64);
  return true;
}

CONTEXT g_walk;

// A frame's arguments are the caller's spill area for the first three
// register arguments, right above the return address.
size_t WalkFrames(const CONTEXT& start, StackFrame (&frames)[kMaxStackLines]) {
  g_walk = start;
  size_t count = 0;
  frames[count++] = {uint64_t(g_walk.Rip), false, {}};
  while (true) {
    StackFrame& current = frames[count - 1];
    if (!Unwind(g_walk)) break;
    ReadArguments(current, uintptr_t(g_walk.Rsp));
    if (count == kMaxStackLines || !IsCode(uintptr_t(g_walk.Rip))) break;
    frames[count++] = {uint64_t(g_walk.Rip), false, {}};
  }
  return count;
}

#else

// Frames chained by the saved frame pointer: [ebp] is the caller's ebp,
// [ebp + 4] the return address, the arguments follow.
size_t WalkFrames(const CONTEXT& start, StackFrame (&frames)[kMaxStackLines]) {
  size_t count = 0;
  uintptr_t framePointer = start.Ebp;
  frames[count] = {uint64_t(start.Eip), false, {}};
  ReadArguments(frames[count++], framePointer + 2 * sizeof(uintptr_t));
  while (count < kMaxStackLines && Readable(framePointer, 2 * sizeof(uintptr_t))) {
    const auto* slots = reinterpret_cast<const uintptr_t*>(framePointer);
    uintptr_t returnAddress = slots[1], caller = slots[0];
    if (!IsCode(returnAddress)) break;
    frames[count] = {uint64_t(returnAddress), false, {}};
    ReadArguments(frames[count++], caller + 2 * sizeof(uintptr_t));
    framePointer = caller;
  }
  return count;
}

#endif

StackFrame g_frames[kMaxStackLines];

}  // namespace

void AppendStackText(const CONTEXT& context, TextBuilder& out) {
  size_t frameCount = WalkFrames(context, g_frames);
  size_t moduleCount = SnapshotModules();
  AppendStackLines(out, g_frames, frameCount, g_modules, moduleCount);
}

}  // namespace zelva::crash
