#include "UrlConnection.h"

#include <cwchar>
#include <vector>

#include "ArchiveCodes.h"
#include "ArchiveLog.h"
#include "RangeHeaders.h"
#include "WideText.h"

namespace Cabinet {

using namespace zelva::archive;
using zelva::win::AsUtf16;
using zelva::win::AsWide;
using zelva::win::BytesFromWide;

namespace {

constexpr wchar_t kAgent[] = L"ZELVA Hangardesk";
constexpr DWORD kConnectTimeout = 4000;
constexpr DWORD kReceiveTimeout = 6000;
constexpr DWORD kHostChars = 256, kUserChars = 128, kPathChars = 2048;

}  // namespace

bool UrlConnection::Fail(ExtractError& error, DWORD systemError, uint32_t httpStatus) {
  error.code = kNetworkFailed;
  error.systemError = cancelled() ? uint32_t(kCancelled) : uint32_t(systemError);
  error.httpStatus = httpStatus;
  return false;
}

HINTERNET UrlConnection::Current(HINTERNET& handle) {
  std::lock_guard<std::mutex> guard(lock_);
  return handle;
}

void UrlConnection::CloseHandle(HINTERNET& handle) {
  HINTERNET closing;
  {
    std::lock_guard<std::mutex> guard(lock_);
    closing = handle;
    handle = nullptr;
  }
  if (closing != nullptr && api_.InternetCloseHandle != nullptr) api_.InternetCloseHandle(closing);
}

bool UrlConnection::Adopt(HINTERNET request) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (!cancelled()) {
      request_ = request;
      return true;
    }
  }
  api_.InternetCloseHandle(request);
  return false;
}

void UrlConnection::Cancel() {
  cancel_.store(true);
  CloseHandle(request_);
  CloseHandle(connection_);
  CloseHandle(internet_);
}

void UrlConnection::EndRequest() { CloseHandle(request_); }

void UrlConnection::Close() {
  CloseHandle(request_);
  CloseHandle(connection_);
  CloseHandle(internet_);
  mode_ = kNone;
}

bool UrlConnection::Open(const wchar_t* url, ExtractError& error) {
  Close();
  cancel_.store(false);
  contentLength_ = kUnknownLength;
  fileSize_ = kUnknownLength;
  if (!api_.Load()) {
    error = {kInternetMissing, 0, 0};
    return false;
  }
  std::vector<wchar_t> host(kHostChars + 1), user(kUserChars + 1), password(kUserChars + 1), path(kPathChars + 1),
      extra(kPathChars + 1);
  URL_COMPONENTSW parts = {};
  parts.dwStructSize = sizeof(parts);
  parts.lpszHostName = host.data();
  parts.dwHostNameLength = kHostChars;
  parts.lpszUserName = user.data();
  parts.dwUserNameLength = kUserChars;
  parts.lpszPassword = password.data();
  parts.dwPasswordLength = kUserChars;
  parts.lpszUrlPath = path.data();
  parts.dwUrlPathLength = kPathChars;
  parts.lpszExtraInfo = extra.data();
  parts.dwExtraInfoLength = kPathChars;
  if (!api_.InternetCrackUrlW(url, 0, ICU_DECODE, &parts)) return Fail(error, GetLastError());
  scheme_ = parts.nScheme;
  if (scheme_ == INTERNET_SCHEME_FTP)
    mode_ = kFtp;
  else if (scheme_ == INTERNET_SCHEME_HTTP || scheme_ == INTERNET_SCHEME_HTTPS)
    mode_ = kHttp;
  else
    return Fail(error, kUnknownScheme);
  host_ = host.data();
  user_ = user.data();
  password_ = password.data();
  path_ = std::wstring(path.data()) + extra.data();
  port_ = parts.nPort;

  DWORD state = 0;
  if (!api_.InternetGetConnectedState(&state, 0)) {
    mode_ = kNone;
    error = {kOffline, 0, 0};
    return false;
  }
  HINTERNET internet = api_.InternetOpenW(kAgent, proxy.empty() ? accessType : INTERNET_OPEN_TYPE_PROXY,
                                          proxy.empty() ? nullptr : proxy.c_str(), nullptr, 0);
  if (internet == nullptr) return Fail(error, GetLastError());
  {
    std::lock_guard<std::mutex> guard(lock_);
    internet_ = internet;
  }
  DWORD connectTimeout = kConnectTimeout, receiveTimeout = kReceiveTimeout;
  api_.InternetSetOptionW(internet, INTERNET_OPTION_CONNECT_TIMEOUT, &connectTimeout, sizeof(connectTimeout));
  api_.InternetSetOptionW(internet, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveTimeout, sizeof(receiveTimeout));
  HINTERNET connection = api_.InternetConnectW(internet, host_.c_str(), port_, user_.empty() ? nullptr : user_.c_str(),
                                               password_.empty() ? nullptr : password_.c_str(),
                                               mode_ == kFtp ? INTERNET_SERVICE_FTP : INTERNET_SERVICE_HTTP,
                                               connectFlags, 0);
  if (connection == nullptr) return Fail(error, GetLastError());
  {
    std::lock_guard<std::mutex> guard(lock_);
    connection_ = connection;
  }
  if (!proxy.empty() && !proxyUser.empty() && !proxyPassword.empty()) {
    api_.InternetSetOptionW(connection, INTERNET_OPTION_PROXY_USERNAME, const_cast<wchar_t*>(proxyUser.c_str()),
                            DWORD(proxyUser.size()));
    api_.InternetSetOptionW(connection, INTERNET_OPTION_PROXY_PASSWORD, const_cast<wchar_t*>(proxyPassword.c_str()),
                            DWORD(proxyPassword.size()));
  }
  api_.InternetSetOptionW(connection, INTERNET_OPTION_CONNECT_TIMEOUT, &connectTimeout, sizeof(connectTimeout));
  api_.InternetSetOptionW(connection, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveTimeout, sizeof(receiveTimeout));
  if (cancelled()) return Fail(error, kCancelled);
  return true;
}

bool UrlConnection::Request(uint32_t offset, uint32_t length, ExtractError& error) {
  EndRequest();
  if (cancelled()) return Fail(error, kCancelled);
  if (Current(connection_) == nullptr) return Fail(error, kNoOpenConnection);
  bodyReceived_ = 0;
  expectedBody_ = kUnknownLength;
  ++requestCount_;
  return mode_ == kFtp ? FtpRequest(offset, error) : HttpRequest(offset, length, error);
}

bool UrlConnection::HttpRequest(uint32_t offset, uint32_t length, ExtractError& error) {
  if (mode_ != kHttp) return Fail(error, kWrongProtocol);
  DWORD flags = requestFlags | INTERNET_FLAG_KEEP_CONNECTION;
  if (scheme_ == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
  HINTERNET request =
      api_.HttpOpenRequestW(Current(connection_), L"GET", path_.c_str(), L"HTTP/1.1", nullptr, nullptr, flags, 0);
  if (request == nullptr) return Fail(error, GetLastError());
  if (!Adopt(request)) return Fail(error, kCancelled);

  const DWORD addOrReplace = HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE;
  bool ranged = false;
  for (const std::u16string& header : SplitExtraHeaders(AsUtf16(extraHeaders))) {
    std::wstring text(AsWide(header));
    api_.HttpAddRequestHeadersW(request, text.c_str(), DWORD(-1), addOrReplace);
    ranged = ranged || IsRangeHeader(header);
  }
  if (length > 0) {
    std::wstring range(AsWide(RangeHeader(offset, offset + length - 1)));
    if (!api_.HttpAddRequestHeadersW(request, range.c_str(), DWORD(-1), addOrReplace))
      return Fail(error, GetLastError());
    ranged = true;
  }
  if (!api_.HttpSendRequestW(request, nullptr, 0, nullptr, 0)) return Fail(error, GetLastError());

  DWORD status = 0, size = sizeof(status);
  if (!api_.HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
    return Fail(error, GetLastError());
  if (status != (ranged ? 206u : 200u)) return Fail(error, kUnexpectedStatus, status);
  DWORD contentLength = 0;
  size = sizeof(contentLength);
  if (api_.HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &contentLength, &size,
                          nullptr)) {
    contentLength_ = contentLength;
    expectedBody_ = contentLength;
    if (!ranged) fileSize_ = contentLength;
  }
  if (ranged) {
    // "bytes first-last/total"
    wchar_t range[80] = L"";
    size = sizeof(range);
    if (api_.HttpQueryInfoW(request, HTTP_QUERY_CONTENT_RANGE, range, &size, nullptr)) {
      const wchar_t* total = wcschr(range, L'/');
      if (total != nullptr && total[1] >= L'0' && total[1] <= L'9') fileSize_ = uint32_t(wcstoul(total + 1, nullptr, 10));
    }
  }
  return true;
}

bool UrlConnection::FtpRequest(uint32_t offset, ExtractError& error) {
  if (mode_ != kFtp) return Fail(error, kWrongProtocol);
  HINTERNET connection = Current(connection_);
  if (offset > 0) {
    wchar_t command[32];
    swprintf(command, 32, L"REST %u", offset);
    if (!api_.FtpCommandW(connection, FALSE, FTP_TRANSFER_TYPE_BINARY, command, 0, nullptr))
      return Fail(error, GetLastError());
  }
  HINTERNET file = api_.FtpOpenFileW(connection, path_.c_str(), GENERIC_READ,
                                     FTP_TRANSFER_TYPE_BINARY | INTERNET_FLAG_NO_CACHE_WRITE, 0);
  if (file == nullptr) {
    DWORD failure = GetLastError();
    DWORD detail = 0;
    wchar_t response[256] = L"";
    DWORD responseChars = 256;
    if (api_.InternetGetLastResponseInfoW(&detail, response, &responseChars))
      Log("\n\tFTP server answered: %s", BytesFromWide(response, CP_ACP).c_str());
    return Fail(error, failure);
  }
  if (!Adopt(file)) return Fail(error, kCancelled);
  DWORD high = 0;
  DWORD low = api_.FtpGetFileSize(file, &high);
  // Some implementations answer 0 without asking the server: no size known.
  bool known = (low != INVALID_FILE_SIZE || GetLastError() == NO_ERROR) && (low != 0 || high != 0);
  if (known) {
    contentLength_ = high != 0 ? 0xFFFFFFFFu : low;
    fileSize_ = contentLength_;
    expectedBody_ = contentLength_ > offset ? contentLength_ - offset : 0;
  }
  return true;
}

int64_t UrlConnection::ReadBody(uint8_t* buffer, uint32_t size, ExtractError& error) {
  uint32_t got = 0;
  while (got < size) {
    HINTERNET request = Current(request_);
    if (request == nullptr) {
      Fail(error, kNoOpenConnection);
      return -1;
    }
    DWORD read = 0;
    if (!api_.InternetReadFile(request, buffer + got, size - got, &read)) {
      Fail(error, GetLastError());
      return -1;
    }
    if (read == 0) {
      // A body that ends before its announced length is a dropped
      // connection, not the end of the file.
      if (expectedBody_ != kUnknownLength && bodyReceived_ < expectedBody_) {
        Fail(error, ERROR_INTERNET_CONNECTION_RESET);
        return -1;
      }
      break;
    }
    got += read;
    bodyReceived_ += read;
    bytesReceived_ += read;
  }
  return got;
}

}  // namespace Cabinet
