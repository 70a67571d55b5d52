#include "DecoderBridge.h"

#include <cstdlib>
#include <new>

#include "ArchiveCodes.h"
#include "ArchiveLog.h"
#include "Extract.h"
#include "ThreadSlot.h"

namespace Cabinet {

using namespace zelva::archive;
namespace {

// Runs a member call for the bound extractor; any exception becomes the
// failure value, with out-of-memory logged and recorded.
template <typename Result, typename Call>
Result Guarded(Result failure, Call call) {
  CExtract* extractor = BoundExtractor();
  if (extractor == nullptr) return failure;
  try {
    return call(*extractor);
  } catch (const std::bad_alloc&) {
    DecoderBridge::OutOfMemory(*extractor);
  } catch (...) {
  }
  return failure;
}

}  // namespace

void DecoderBridge::OutOfMemory(CExtract& extractor) {
  Log("\n%s", kOutOfMemoryText);
  extractor.error_.systemError = kOutOfMemory;
}

void* DIAMONDAPI DecoderBridge::Alloc(ULONG size) { return std::malloc(size); }

void DIAMONDAPI DecoderBridge::Free(void* block) { std::free(block); }

INT_PTR DIAMONDAPI DecoderBridge::Open(char* name, int flags, int) {
  return Guarded<INT_PTR>(-1, [&](CExtract& e) { return e.DecoderOpen(name, flags); });
}

UINT DIAMONDAPI DecoderBridge::Read(INT_PTR handle, void* buffer, UINT count) {
  return Guarded<UINT>(UINT(-1), [&](CExtract& e) { return e.DecoderRead(handle, buffer, count); });
}

UINT DIAMONDAPI DecoderBridge::Write(INT_PTR handle, void* buffer, UINT count) {
  return Guarded<UINT>(UINT(-1), [&](CExtract& e) { return e.DecoderWrite(handle, buffer, count); });
}

int DIAMONDAPI DecoderBridge::Close(INT_PTR handle) {
  return Guarded<int>(-1, [&](CExtract& e) { return e.DecoderClose(handle); });
}

long DIAMONDAPI DecoderBridge::Seek(INT_PTR handle, long distance, int origin) {
  return Guarded<long>(-1, [&](CExtract& e) { return e.DecoderSeek(handle, distance, origin); });
}

INT_PTR DIAMONDAPI DecoderBridge::Notify(FDINOTIFICATIONTYPE type, PFDINOTIFICATION note) {
  return Guarded<INT_PTR>(-1, [&](CExtract& e) -> INT_PTR {
    if (e.halted()) return -1;
    switch (type) {
      case fdintCABINET_INFO:
        return e.OnCabinetInfo(*note);
      case fdintCOPY_FILE:
        return e.OnCopyFile(*note);
      case fdintCLOSE_FILE_INFO:
        return e.OnCloseFile(*note);
      case fdintNEXT_CABINET:
        return e.OnNextCabinet(*note);
      default:
        return 0;
    }
  });
}

}  // namespace Cabinet
