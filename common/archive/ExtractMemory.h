// A reader whose cabinet comes from a source the subclass provides (memory,
// a download): every open without write permission goes to the source slots.
#pragma once

#include <memory>
#include <vector>

#include "Extract.h"

namespace Cabinet {

class CExtractMemory : public CExtract {
 public:
  UINT FileRead(INT_PTR handle, void* buffer, UINT count) override;
  int FileClose(INT_PTR handle) override;
  long FileSeek(INT_PTR handle, long distance, int origin) override;
  INT_PTR FileOpen(const wchar_t* path, int flags, int mode) override;

  // Source slots, after the six of CExtract. The base open and read fail
  // with errno ENOSPC; subclasses provide the source. SourceRead reads at the
  // handle's position, which FileRead then advances.
  virtual INT_PTR SourceOpen(const wchar_t* path, int flags, int mode);
  virtual UINT SourceRead(INT_PTR handle, void* buffer, UINT count);
  // Origin SEEK_SET or SEEK_CUR; a target below 0 or beyond the source size
  // fails with errno EBADF.
  virtual long SourceSeek(INT_PTR handle, long distance, int origin);
  virtual int SourceClose(INT_PTR handle);

 protected:
  struct SourceHandle {
    uint32_t id;
    uint32_t position;
    uint32_t size;
  };
  // A new open source; the handle value the decoder sees is its address.
  INT_PTR NewSourceHandle(uint32_t id, uint32_t size);
  SourceHandle* FindSource(INT_PTR handle);
  void CloseAllSources() { sources_.clear(); }

 private:
  std::vector<std::unique_ptr<SourceHandle>> sources_;
};

}  // namespace Cabinet
