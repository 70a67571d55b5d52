#include "ExtractUrl.h"

#include <cerrno>
#include <new>
#include <vector>

#include "ArchiveCodes.h"
#include "ArchiveLog.h"
#include "FileSystem.h"

namespace Cabinet {

using namespace zelva::archive;
namespace {

constexpr uint32_t kNetworkChunk = 20000;
constexpr uint32_t kWriteChunk = 100000;

}  // namespace

CExtractUrl::CExtractUrl() = default;

CExtractUrl::~CExtractUrl() { CloseSource(); }

void CExtractUrl::Cancel() {
  RequestCancel();
  connection_.Cancel();
}

void CExtractUrl::CloseFile(bool keep) {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  if (!keep && temporaryFile_ && !fileName_.empty()) DeleteFileW(fileName_.c_str());
  fileName_.clear();
  temporaryFile_ = false;
}

void CExtractUrl::CloseSource() {
  connection_.Close();
  cache_.Release();
  CloseAllSources();
  CloseFile(false);
  blockSize_ = 0;
}

bool CExtractUrl::OpenUrl(const wchar_t* url, const wchar_t* localFile, uint32_t blockSize) {
  CloseSource();
  nextSourceId_ = 0;
  connection_.ResetCounters();
  ExtractError error = {};
  if (!connection_.Open(url != nullptr ? url : L"", error)) {
    SetError(error.code, error.systemError, error.httpStatus);
    return false;
  }
  if (blockSize == 0) return DownloadWhole(localFile != nullptr ? localFile : L"");
  try {
    cache_.Setup(blockSize, &fetcher_);
  } catch (const std::bad_alloc&) {
    Log("\n%s", kOutOfMemoryText);
    SetError(0, kOutOfMemory);
    return false;
  }
  blockSize_ = cache_.blockSize();
  return true;
}

bool CExtractUrl::DownloadWhole(const std::wstring& localFile) {
  if (localFile.empty()) {
    wchar_t folder[MAX_PATH + 1], name[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH || GetTempFileNameW(folder, L"Cab", 0, name) == 0) {
      SetError(kTargetNotCreated, GetLastError());
      return false;
    }
    fileName_ = name;
    temporaryFile_ = true;
  } else {
    fileName_ = localFile;
    size_t slash = fileName_.find_last_of(L"\\/");
    DWORD folderError = 0;
    if (slash != std::wstring::npos && !CreateFolderTree(fileName_.substr(0, slash), folderError)) {
      SetError(kTargetNotCreated, folderError);
      fileName_.clear();
      return false;
    }
  }
  file_ = CreateFileW(fileName_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file_ == INVALID_HANDLE_VALUE) {
    SetError(kTargetNotCreated, GetLastError());
    CloseFile(false);
    return false;
  }
  ExtractError error = {};
  std::vector<uint8_t> chunk(kWriteChunk);
  bool ok = connection_.Request(0, 0, error);
  while (ok) {
    uint32_t filled = 0;
    bool ended = false;
    while (filled < kWriteChunk) {
      uint32_t ask = kWriteChunk - filled < kNetworkChunk ? kWriteChunk - filled : kNetworkChunk;
      int64_t got = connection_.ReadBody(chunk.data() + filled, ask, error);
      if (got < 0) {
        ok = false;
        break;
      }
      filled += uint32_t(got);
      if (uint32_t(got) < ask) {
        ended = true;
        break;
      }
    }
    if (!ok) break;
    DWORD written = 0;
    if (filled > 0 && (!WriteFile(file_, chunk.data(), filled, &written, nullptr) || written != filled)) {
      SetError(kTargetNotCreated, GetLastError());
      connection_.EndRequest();
      CloseFile(false);
      return false;
    }
    if (ended) break;
  }
  connection_.EndRequest();
  if (!ok) {
    SetError(error.code, error.systemError, error.httpStatus);
    CloseFile(false);
    return false;
  }
  return true;
}

bool CExtractUrl::DownloadAndExtract(const wchar_t* url, const wchar_t* localFile, uint32_t blockSize,
                                     const wchar_t* targetFolder, INT_PTR user) {
  if (!OpenUrl(url, localFile, blockSize)) return false;
  connection_.ResetCounters();
  bool downloadOnly = blockSize == 0 && localFile != nullptr && localFile[0] != L'\0' &&
                      (targetFolder == nullptr || targetFolder[0] == L'\0');
  if (downloadOnly) {
    connection_.Close();
    CloseFile(true);
    return true;
  }
  return Extract(kUrlCabinetPath, targetFolder, user);
}

INT_PTR CExtractUrl::SourceOpen(const wchar_t*, int, int) {
  if (connection_.mode() == UrlConnection::kNone && file_ == INVALID_HANDLE_VALUE) {
    SetError(kNetworkFailed, kNoOpenConnection);
    errno = EBADF;
    return -1;
  }
  return NewSourceHandle(nextSourceId_++, kSourceSize);
}

UINT CExtractUrl::SourceRead(INT_PTR handle, void* buffer, UINT count) {
  SourceHandle* source = FindSource(handle);
  if (source == nullptr) return UINT(-1);
  if (blockSize_ == 0) {
    LARGE_INTEGER at;
    at.QuadPart = source->position;
    DWORD read = 0;
    if (!SetFilePointerEx(file_, at, nullptr, FILE_BEGIN) || !ReadFile(file_, buffer, count, &read, nullptr)) {
      SetError(kDownloadReadFailed, GetLastError());
      return UINT(-1);
    }
    return read;
  }
  CacheFault fault = CacheFault::kNone;
  int64_t got = cache_.Read(source->id, source->position, static_cast<uint8_t*>(buffer), count, fault);
  if (got >= 0) return UINT(got);
  if (fault == CacheFault::kNotInitialized || fault == CacheFault::kBlockTooSmall) {
    Log("\n\t%s", CacheFaultText(fault));
    SetError(kNetworkFailed, fault == CacheFault::kNotInitialized ? uint32_t(kNoOpenConnection) : uint32_t(ERROR_INSUFFICIENT_BUFFER));
  }
  return UINT(-1);
}

int64_t CExtractUrl::BlockFetcher::Fetch(uint32_t offset, uint8_t* buffer, uint32_t size) {
  // A block that ended exactly at the end of the file looked full; a range
  // from there on would only be refused (416).
  uint32_t fileSize = owner_.connection_.fileSize();
  if (fileSize != UrlConnection::kUnknownLength && offset >= fileSize) return 0;
  ExtractError error = {};
  int64_t got = -1;
  if (owner_.connection_.Request(offset, size, error)) got = owner_.connection_.ReadBody(buffer, size, error);
  owner_.connection_.EndRequest();
  if (got < 0) owner_.SetError(error.code, error.systemError, error.httpStatus);
  return got;
}

}  // namespace Cabinet
