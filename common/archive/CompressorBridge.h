// Entry points the platform compressor calls, each with the writer as its
// context value. No exception leaves them.
#pragma once

#include <windows.h>
#include <fci.h>

namespace Cabinet {

struct CompressorBridge {
  static int DIAMONDAPI FilePlaced(PCCAB cabinet, char* name, long size, BOOL continuation, void* writer);
  static void* DIAMONDAPI Alloc(ULONG size);
  static void DIAMONDAPI Free(void* block);
  static INT_PTR DIAMONDAPI Open(char* name, int flags, int mode, int* error, void* writer);
  static UINT DIAMONDAPI Read(INT_PTR handle, void* buffer, UINT count, int* error, void* writer);
  static UINT DIAMONDAPI Write(INT_PTR handle, void* buffer, UINT count, int* error, void* writer);
  static int DIAMONDAPI Close(INT_PTR handle, int* error, void* writer);
  static long DIAMONDAPI Seek(INT_PTR handle, long distance, int origin, int* error, void* writer);
  static int DIAMONDAPI Delete(char* name, int* error, void* writer);
  static BOOL DIAMONDAPI TemporaryFile(char* name, int capacity, void* writer);
  static BOOL DIAMONDAPI NextCabinet(PCCAB cabinet, ULONG previousSize, void* writer);
  static long DIAMONDAPI Status(UINT type, ULONG count1, ULONG count2, void* writer);
  static INT_PTR DIAMONDAPI OpenInfo(char* name, USHORT* date, USHORT* time, USHORT* attributes, int* error,
                                     void* writer);
};

}  // namespace Cabinet
