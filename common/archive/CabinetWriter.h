// Writes one cabinet through the platform compressor (FCI of Cabinet.dll):
// MSZIP, a single cabinet, enciphered while written when a key is set. Wide
// source paths reach the compressor in the "<...>" escape and are turned back
// into wide names before they touch the file system.
#pragma once

#include <windows.h>
#include <fci.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "CipherState.h"
#include "CipherWrite.h"
#include "Library.h"

namespace Cabinet {

struct WriterStatus {
  uint32_t totalCompressed;
  uint32_t totalUncompressed;
  uint32_t lastCount1;  // the two counts of the latest compressor report
  uint32_t lastCount2;
  uint32_t percent;     // of the folder being written
};

// type is the compressor's report type: 0 file, 1 folder, 2 cabinet.
typedef void (*WriterStatusCallback)(uint32_t type, const WriterStatus* status, INT_PTR user);

class CabinetWriter {
 public:
  explicit CabinetWriter(WriterStatusCallback callback = nullptr, INT_PTR user = 0);
  ~CabinetWriter();
  CabinetWriter(const CabinetWriter&) = delete;
  CabinetWriter& operator=(const CabinetWriter&) = delete;

  void SetCipherKey(uint32_t length, const uint8_t* key);
  bool Create(const wchar_t* cabinetPath);
  bool Create(const char* cabinetPath);
  bool AddFile(const wchar_t* sourcePath, const wchar_t* nameInCabinet);
  bool AddFile(const char* sourcePath, const char* nameInCabinet);
  bool FlushFolder();
  bool FlushCabinet();
  bool Destroy();
  // Safe from another thread: the compressor stops at its next report.
  void Cancel() { cancel_.store(true); }

  // erfOper holds a WriterCode or the compressor's error, erfType the system
  // error, fError whether a step failed.
  const ERF& GetError() const { return error_; }
  const WriterStatus& status() const { return status_; }

 private:
  friend struct CompressorBridge;

  struct Compressor {
    zelva::win::Library library;
    decltype(&::FCICreate) create = nullptr;
    decltype(&::FCIAddFile) addFile = nullptr;
    decltype(&::FCIFlushFolder) flushFolder = nullptr;
    decltype(&::FCIFlushCabinet) flushCabinet = nullptr;
    decltype(&::FCIDestroy) destroy = nullptr;
    bool Load();
  };

  bool Fail(uint32_t code, uint32_t systemError = 0);
  bool CompressorFailed();

  Compressor compressor_;
  HFCI context_ = nullptr;
  ERF error_ = {};
  CCAB parameters_ = {};
  std::wstring temporaryFolder_;  // with trailing backslash
  uint32_t temporaryCounter_ = 1;
  WriterStatus status_ = {};
  WriterStatusCallback callback_;
  INT_PTR user_;
  std::atomic<bool> cancel_{false};

  zelva::archive::CipherState cipher_;
  std::string cabinetPath_;       // as the compressor names it (escaped)
  std::wstring cabinetFile_;
  INT_PTR cabinetHandle_ = -1;
  uint32_t cabinetPosition_ = 0;  // where the compressor believes it writes
  uint32_t cabinetLength_ = 0;    // bytes written to it
  bool cabinetOpened_ = false;
  std::unique_ptr<zelva::archive::CipherStreamWriter> cipherStream_;
  bool nextNameIsUtf8_ = false;
};

}  // namespace Cabinet
