#include "ExtractMemory.h"

#include <sys/stat.h>

#include <cerrno>

namespace Cabinet {

using namespace zelva::archive;
INT_PTR CExtractMemory::NewSourceHandle(uint32_t id, uint32_t size) {
  sources_.push_back(std::make_unique<SourceHandle>(SourceHandle{id, 0, size}));
  return reinterpret_cast<INT_PTR>(sources_.back().get());
}

CExtractMemory::SourceHandle* CExtractMemory::FindSource(INT_PTR handle) {
  for (auto& source : sources_)
    if (reinterpret_cast<INT_PTR>(source.get()) == handle) return source.get();
  return nullptr;
}

INT_PTR CExtractMemory::FileOpen(const wchar_t* path, int flags, int mode) {
  if (!(mode & _S_IWRITE)) return SourceOpen(path, flags, mode);
  return CExtract::FileOpen(path, flags, mode);
}

UINT CExtractMemory::FileRead(INT_PTR handle, void* buffer, UINT count) {
  SourceHandle* source = FindSource(handle);
  if (source == nullptr) return CExtract::FileRead(handle, buffer, count);
  UINT got = SourceRead(handle, buffer, count);
  if (got != UINT(-1)) source->position += got;
  return got;
}

long CExtractMemory::FileSeek(INT_PTR handle, long distance, int origin) {
  if (FindSource(handle) != nullptr) return SourceSeek(handle, distance, origin);
  return CExtract::FileSeek(handle, distance, origin);
}

int CExtractMemory::FileClose(INT_PTR handle) {
  if (FindSource(handle) != nullptr) return SourceClose(handle);
  return CExtract::FileClose(handle);
}

INT_PTR CExtractMemory::SourceOpen(const wchar_t*, int, int) {
  errno = ENOSPC;
  return -1;
}

UINT CExtractMemory::SourceRead(INT_PTR, void*, UINT) {
  errno = ENOSPC;
  return UINT(-1);
}

long CExtractMemory::SourceSeek(INT_PTR handle, long distance, int origin) {
  SourceHandle* source = FindSource(handle);
  int64_t target;
  if (source == nullptr || (origin != SEEK_SET && origin != SEEK_CUR)) {
    errno = EBADF;
    return -1;
  }
  target = origin == SEEK_SET ? int64_t(distance) : int64_t(source->position) + distance;
  // Standing at the very end is where a read of the last bytes leaves the
  // source, so only positions beyond it are refused.
  if (target < 0 || target > int64_t(source->size)) {
    errno = EBADF;
    return -1;
  }
  source->position = uint32_t(target);
  return long(target);
}

int CExtractMemory::SourceClose(INT_PTR handle) {
  for (size_t i = 0; i < sources_.size(); ++i) {
    if (reinterpret_cast<INT_PTR>(sources_[i].get()) == handle) {
      sources_.erase(sources_.begin() + long(i));
      return 0;
    }
  }
  return -1;
}

}  // namespace Cabinet
