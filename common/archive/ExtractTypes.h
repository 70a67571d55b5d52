// Records and callbacks of the cabinet reader. Every callback receives the
// user value handed to Extract as its last argument.
#pragma once

#include <windows.h>

#include <cstdint>

namespace Cabinet {

struct ExtractError {
  uint32_t code;         // ExtractCode, or a decoder error number 1 to 11
  uint32_t systemError;
  uint32_t httpStatus;
};

struct CabFileEntry {
  const wchar_t* fileName;         // without folder
  const wchar_t* folderPart;       // inside the cabinet, with trailing "\", may be empty
  const wchar_t* relativePath;     // inside the cabinet
  const wchar_t* targetDirectory;  // target folder plus folder part
  const wchar_t* fullPath;
  uint32_t size;
  FILETIME modified;               // from the stored DOS date and time, no zone conversion
  uint16_t attributes;             // as stored
};

struct CabProgress {
  const wchar_t* relativePath;
  const wchar_t* fullPath;
  uint32_t size;
  uint32_t written;
  float percent;                   // written * 100 / size
};

// Owned by the extractor and reused from file to file: valid only during
// the after-copy callback.
struct CabMemoryFile {
  uint8_t* data;
  uint32_t capacity;
  uint32_t used;
};

// Nonzero extracts the file, zero skips it.
typedef INT_PTR (*BeforeCopyCallback)(const CabFileEntry* entry, INT_PTR user);
// memory is set only when extracting to memory.
typedef void (*AfterCopyCallback)(const wchar_t* fullPath, CabMemoryFile* memory, INT_PTR user);
typedef void (*ProgressCallback)(const CabProgress* progress, INT_PTR user);
typedef void (*CabinetInfoCallback)(const wchar_t* nextCabinet, const wchar_t* nextDisk, const wchar_t* cabinetPath,
                                    uint16_t setId, uint16_t cabinetNumber, INT_PTR user);
typedef void (*NextCabinetCallback)(const wchar_t* nextCabinet, const wchar_t* nextDisk, const wchar_t* cabinetPath,
                                    uint16_t setId, uint16_t cabinetNumber, int decoderError, INT_PTR user);

struct ExtractCallbacks {
  BeforeCopyCallback beforeCopy;
  AfterCopyCallback afterCopy;
  ProgressCallback progress;
  CabinetInfoCallback cabinetInfo;
  NextCabinetCallback nextCabinet;
  uint32_t progressInterval;       // milliseconds; callers use 200
};

}  // namespace Cabinet
