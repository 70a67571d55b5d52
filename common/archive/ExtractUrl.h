// A reader whose cabinet lies at an HTTP, HTTPS or FTP URL: downloaded whole
// into a file first (block size 0), or read in place through block caches
// with one range request per block.
#pragma once

#include <string>

#include "BlockCache.h"
#include "ExtractMemory.h"
#include "UrlConnection.h"

namespace Cabinet {

// The cabinet path under which Extract and QueryCabinet read the open URL.
constexpr wchar_t kUrlCabinetPath[] = L"*CABINET\\*URL";

class CExtractUrl : public CExtractMemory {
 public:
  static constexpr uint32_t kSourceSize = 0x7FFFFFFF;

  CExtractUrl();
  ~CExtractUrl() override;

  // Safe from another thread: a transfer in progress fails at once (1223).
  void Cancel() override;
  INT_PTR SourceOpen(const wchar_t* path, int flags, int mode) override;
  UINT SourceRead(INT_PTR handle, void* buffer, UINT count) override;

  // localFile (may be empty) receives a whole download; without it a
  // temporary "Cab" file is used and removed when the reader closes.
  bool OpenUrl(const wchar_t* url, const wchar_t* localFile, uint32_t blockSize);
  // With block size 0, a local file and no target folder, only downloads.
  bool DownloadAndExtract(const wchar_t* url, const wchar_t* localFile, uint32_t blockSize,
                          const wchar_t* targetFolder, INT_PTR user);

  // Proxy, headers and other settings; byte and request counters.
  UrlConnection& connection() { return connection_; }

 private:
  class BlockFetcher : public zelva::archive::RangeFetcher {
   public:
    explicit BlockFetcher(CExtractUrl& owner) : owner_(owner) {}
    int64_t Fetch(uint32_t offset, uint8_t* buffer, uint32_t size) override;

   private:
    CExtractUrl& owner_;
  };

  bool DownloadWhole(const std::wstring& localFile);
  void CloseFile(bool keep);
  void CloseSource();

  UrlConnection connection_;
  uint32_t blockSize_ = 0;
  uint32_t nextSourceId_ = 0;
  zelva::archive::StreamedCache cache_;
  BlockFetcher fetcher_{*this};
  HANDLE file_ = INVALID_HANDLE_VALUE;
  std::wstring fileName_;
  bool temporaryFile_ = false;
};

}  // namespace Cabinet
