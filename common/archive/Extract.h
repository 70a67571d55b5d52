// The package archive reader: extracts the entries of a cabinet (or those a
// callback selects) into a folder or into memory, deciphering the package
// variant on the fly. The platform decoder calls back for every byte it reads
// or writes; those calls land in the virtual file operations below, which
// subclasses override to read other sources.
#pragma once

#include <windows.h>
#include <fdi.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "CipherState.h"
#include "DecoderApi.h"
#include "ExtractTypes.h"
#include "HandleTable.h"

namespace Cabinet {

class CExtract {
 public:
  CExtract();
  CExtract(const CExtract&) = delete;
  CExtract& operator=(const CExtract&) = delete;

  // Virtual slots, in this order. The file operations work on wide paths
  // with the C runtime's open flags and permission modes.
  virtual void Cancel();
  virtual UINT FileRead(INT_PTR handle, void* buffer, UINT count);
  virtual UINT FileWrite(INT_PTR handle, const void* buffer, UINT count);
  virtual int FileClose(INT_PTR handle);
  virtual long FileSeek(INT_PTR handle, long distance, int origin);
  // With a creating flag, an existing file's attributes are cleared first so
  // read-only targets can be overwritten.
  virtual INT_PTR FileOpen(const wchar_t* path, int flags, int mode);
  virtual ~CExtract();

  // True when a decoder context was created now. Binds this extractor to the
  // calling thread, which must be the one that constructed it.
  bool OpenDecoder();
  // Length 0 clears the key.
  void SetCipherKey(uint32_t length, const uint8_t* key);
  void SetCallbacks(const ExtractCallbacks& callbacks) { callbacks_ = callbacks; }
  // targetFolder "MEMORY\" (any case, backslash optional) extracts to memory.
  // A file reaches its name (and the after-copy callback) only once it holds
  // the size the cabinet declares; a failed or cancelled one is removed.
  bool Extract(const wchar_t* cabinetPath, const wchar_t* targetFolder, INT_PTR user);
  // True when path is a cabinet; info (optional) receives its header facts.
  bool QueryCabinet(const wchar_t* path, FDICABINETINFO* info);
  // True when the decoder context was destroyed; releases the thread.
  bool CloseDecoder();
  const ExtractError& GetError() const { return error_; }

 protected:
  void SetError(uint32_t code, uint32_t systemError = 0, uint32_t httpStatus = 0);
  bool cancelled() const { return cancel_.load(); }
  void RequestCancel() { cancel_.store(true); }

 private:
  friend struct DecoderBridge;

  struct OutputFile {
    INT_PTR handle = -1;  // -1: none
    std::wstring relativePath;
    std::wstring fullPath;
    std::wstring partPath;  // written under this name, renamed to fullPath when complete
    uint32_t size = 0;
    uint32_t written = 0;
    DWORD lastReport = 0;
  };

  bool OnOwnerThread();
  void ResetRun();
  // Closes the output file being written, if any, and deletes it.
  void AbandonOutput();
  bool CopyCabinets(const std::wstring& folder, const std::wstring& name);
  bool halted() const { return cancelled() || halted_; }

  // Cabinets the decoder may open: the one asked for, and the next ones of
  // its set when they are plain names of files in its folder.
  bool MayOpenCabinet(const std::wstring& path) const;
  bool MayFollow(const std::wstring& folder, const std::wstring& name);
  INT_PTR RefuseNextCabinet(const std::wstring& name);
  // The header check, once per opened cabinet, before the decoder parses it.
  bool CabinetIsConsistent(INT_PTR handle, uint32_t resumeAt);
  bool ReadCabinetAt(INT_PTR handle, uint32_t offset, uint8_t* out, uint32_t count);

  // Decoder notifications.
  INT_PTR OnCabinetInfo(const FDINOTIFICATION& note);
  INT_PTR OnCopyFile(const FDINOTIFICATION& note);
  INT_PTR OnCloseFile(const FDINOTIFICATION& note);
  INT_PTR OnNextCabinet(const FDINOTIFICATION& note);
  INT_PTR OpenOutput(const std::wstring& directory);
  INT_PTR OpenPartFile(const std::wstring& directory);
  bool CommitOutput();
  INT_PTR FileCutShort(uint32_t got);
  INT_PTR OpenMemoryOutput(uint32_t size);
  void ReportProgress();
  std::wstring EntryName(const FDINOTIFICATION& note) const;

  // Decoder I/O.
  INT_PTR DecoderOpen(const char* name, int flags);
  UINT DecoderRead(INT_PTR handle, void* buffer, UINT count);
  UINT DecoderWrite(INT_PTR handle, const void* buffer, UINT count);
  int DecoderClose(INT_PTR handle);
  long DecoderSeek(INT_PTR handle, long distance, int origin);

  DWORD ownerThread_;
  zelva::archive::DecoderApi decoder_;
  HFDI context_ = nullptr;
  ERF decoderError_ = {};
  ExtractError error_ = {};
  std::atomic<bool> cancel_{false};
  bool halted_ = false;  // the run found a fault: the decoder is stopped at its next call
  bool toMemory_ = false;
  std::wstring targetFolder_;
  std::wstring cabinetFolder_;
  std::wstring nextCabinet_;
  std::vector<INT_PTR> checkedHandles_;
  OutputFile output_;
  ExtractCallbacks callbacks_ = {};
  INT_PTR user_ = 0;
  zelva::archive::HandleTable handles_;
  zelva::archive::CipherState cipher_;
  std::vector<uint8_t> decipherBuffer_;
  CabMemoryFile memory_ = {};
  INT_PTR memoryHandle_ = -1;
  UINT codePage_ = 1252;
};

}  // namespace Cabinet
