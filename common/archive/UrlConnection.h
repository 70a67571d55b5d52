// One connection of the URL source: HTTP(S) with ranged GET requests, or FTP
// with restart offsets. Cancel may come from another thread; it closes the
// handles so that a transfer in progress fails at once.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "ExtractTypes.h"
#include "WinInetApi.h"

namespace Cabinet {

class UrlConnection {
 public:
  enum Mode { kNone = -1, kFtp = 1, kHttp = 3 };
  static constexpr uint32_t kUnknownLength = 0x7FFFFFFF;

  UrlConnection() = default;
  ~UrlConnection() { Close(); }
  UrlConnection(const UrlConnection&) = delete;
  UrlConnection& operator=(const UrlConnection&) = delete;

  // Settings, kept across opens.
  DWORD accessType = 0;  // the system's configured proxy
  std::wstring proxy;
  std::wstring proxyUser;
  std::wstring proxyPassword;
  std::wstring extraHeaders;  // entries separated by "|"
  DWORD connectFlags = INTERNET_FLAG_PASSIVE;
  DWORD requestFlags = INTERNET_FLAG_NO_CACHE_WRITE;

  // Loads the library, cracks the URL and connects. Failure codes 1001,
  // 1006 (with system error) and 1010.
  bool Open(const wchar_t* url, ExtractError& error);
  // Starts a transfer of the whole file (length 0) or of length bytes from
  // offset on. Code 1006 with system error and HTTP status on failure.
  bool Request(uint32_t offset, uint32_t length, ExtractError& error);
  // Reads the current transfer until size bytes or its end: the bytes read,
  // or -1 with code 1006.
  int64_t ReadBody(uint8_t* buffer, uint32_t size, ExtractError& error);
  void EndRequest();
  void Close();
  void Cancel();

  Mode mode() const { return mode_; }
  bool cancelled() const { return cancel_.load(); }
  uint32_t contentLength() const { return contentLength_; }
  // Size of the whole file once a response has told it, else kUnknownLength.
  uint32_t fileSize() const { return fileSize_; }
  uint64_t bytesReceived() const { return bytesReceived_; }
  uint32_t requestCount() const { return requestCount_; }  // requests sent, answered or not
  void ResetCounters() {
    bytesReceived_ = 0;
    requestCount_ = 0;
  }

 private:
  bool Fail(ExtractError& error, DWORD systemError, uint32_t httpStatus = 0);
  bool HttpRequest(uint32_t offset, uint32_t length, ExtractError& error);
  bool FtpRequest(uint32_t offset, ExtractError& error);
  HINTERNET Current(HINTERNET& handle);
  void CloseHandle(HINTERNET& handle);
  // Keeps a new request handle unless a cancel came first.
  bool Adopt(HINTERNET request);

  zelva::archive::WinInetApi api_;
  std::wstring host_;
  std::wstring user_;
  std::wstring password_;
  std::wstring path_;
  INTERNET_PORT port_ = 0;
  INTERNET_SCHEME scheme_ = INTERNET_SCHEME_UNKNOWN;
  Mode mode_ = kNone;
  std::mutex lock_;  // guards the three handles against Cancel
  HINTERNET internet_ = nullptr;
  HINTERNET connection_ = nullptr;
  HINTERNET request_ = nullptr;
  uint32_t expectedBody_ = kUnknownLength;
  uint32_t bodyReceived_ = 0;
  uint32_t contentLength_ = kUnknownLength;
  uint32_t fileSize_ = kUnknownLength;
  uint64_t bytesReceived_ = 0;
  uint32_t requestCount_ = 0;
  std::atomic<bool> cancel_{false};
};

}  // namespace Cabinet
