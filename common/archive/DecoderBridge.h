// Entry points the platform decoder calls. They find their extractor through
// the thread slot and never let an exception out into the decoder.
#pragma once

#include <windows.h>
#include <fdi.h>

namespace Cabinet {

class CExtract;

struct DecoderBridge {
  static void OutOfMemory(CExtract& extractor);
  static void* DIAMONDAPI Alloc(ULONG size);
  static void DIAMONDAPI Free(void* block);
  static INT_PTR DIAMONDAPI Open(char* name, int flags, int mode);
  static UINT DIAMONDAPI Read(INT_PTR handle, void* buffer, UINT count);
  static UINT DIAMONDAPI Write(INT_PTR handle, void* buffer, UINT count);
  static int DIAMONDAPI Close(INT_PTR handle);
  static long DIAMONDAPI Seek(INT_PTR handle, long distance, int origin);
  static INT_PTR DIAMONDAPI Notify(FDINOTIFICATIONTYPE type, PFDINOTIFICATION note);
};

}  // namespace Cabinet
