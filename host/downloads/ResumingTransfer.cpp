#include "ResumingTransfer.h"

#include <algorithm>
#include <vector>

#include "ArchiveCodes.h"
#include "DownloadText.h"
#include "Handles.h"

namespace zelva::downloads {
namespace {

// Reads grow while the line is fast (fewer calls under Wine's WinInet) and
// shrink while it is slow (the count moves often enough to watch).
constexpr uint32_t kSmallestRead = 32 * 1024;
constexpr uint32_t kLargestRead = 1024 * 1024;
constexpr DWORD kQuickReadMs = 100, kSlowReadMs = 400;
constexpr int kRetryPauseSteps = 10;  // 100 ms each

}  // namespace

std::string TransferStatusText(const TransferProgress& progress) {
  const int resumes = progress.resumes.load();
  const std::string attempt = std::to_string(resumes) + " of " + std::to_string(kMaxResumes);
  switch (progress.phase.load()) {
    case TransferProgress::kReconnecting:
      return "Connection lost, resuming (" + attempt + ")...";
    case TransferProgress::kStartingOver:
      return "The server cannot resume, starting over...";
    default: {
      std::string text = ProgressText(progress.received.load(), progress.expected.load(), TextStyle::kHostPanel);
      return resumes > 0 ? text + " (resumed " + attempt + ")" : text;
    }
  }
}

bool ResumingTransfer::Run(const std::wstring& url, const std::wstring& path, Cabinet::ExtractError& error) {
  error = {};
  win::FileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    error = {Cabinet::kTargetNotCreated, GetLastError(), 0};
    return false;
  }
  bool startedOver = false;
  for (;;) {
    Step step = Attempt(url, file.get(), error);
    connection_.Close();
    if (step == Step::kDone) return true;
    if (cancelled_()) return false;
    if (step == Step::kRangeIgnored && !startedOver) {
      startedOver = true;
      progress_.startedOver = true;
      progress_.phase = TransferProgress::kStartingOver;
      held_ = 0;
      progress_.received = 0;
      LARGE_INTEGER start = {};
      if (!SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get())) {
        error = {Cabinet::kTargetNotCreated, GetLastError(), 0};
        return false;
      }
      continue;
    }
    // Only a transfer that broke off after some bytes, of a known size, goes on.
    const bool resumable = step == Step::kBroken && held_ > 0 && total_ != Cabinet::UrlConnection::kUnknownLength;
    if (!resumable || progress_.resumes.load() >= kMaxResumes) return false;
    progress_.resumes++;
    progress_.phase = TransferProgress::kReconnecting;
    if (!PauseBeforeRetry()) return false;
  }
}

ResumingTransfer::Step ResumingTransfer::Attempt(const std::wstring& url, HANDLE file, Cabinet::ExtractError& error) {
  if (cancelled_()) return Step::kFailed;
  if (!connection_.Open(url.c_str(), error)) return Step::kBroken;
  // Opening clears the connection's own cancel flag: a cancel that came
  // meanwhile is only seen here.
  if (cancelled_()) return Step::kFailed;
  const bool ranged = held_ > 0;
  if (!connection_.Request(held_, ranged ? total_ - held_ : 0, error)) {
    if (ranged && error.code == Cabinet::kNetworkFailed && error.httpStatus == 200) return Step::kRangeIgnored;
    // A server that answered with a status has spoken; no answer at all is a broken line.
    return error.httpStatus == 0 ? Step::kBroken : Step::kFailed;
  }
  if (!ranged) {
    total_ = connection_.fileSize();
    progress_.expected = total_ != Cabinet::UrlConnection::kUnknownLength ? total_ : 0;
  }
  progress_.phase = TransferProgress::kTransferring;
  Step copied = CopyBody(file, error);
  if (copied != Step::kDone) return copied;
  if (total_ != Cabinet::UrlConnection::kUnknownLength && held_ != total_) {
    error = {Cabinet::kNetworkFailed, ERROR_INTERNET_CONNECTION_RESET, 0};
    return held_ < total_ ? Step::kBroken : Step::kFailed;
  }
  return Step::kDone;
}

ResumingTransfer::Step ResumingTransfer::CopyBody(HANDLE file, Cabinet::ExtractError& error) {
  std::vector<uint8_t> buffer(kLargestRead);
  uint32_t ask = kSmallestRead * 2;
  for (;;) {
    DWORD began = GetTickCount();
    int64_t got = connection_.ReadBody(buffer.data(), ask, error);
    if (got < 0) return error.httpStatus == 0 ? Step::kBroken : Step::kFailed;
    DWORD written = 0;
    if (got > 0 && (!WriteFile(file, buffer.data(), DWORD(got), &written, nullptr) || written != DWORD(got))) {
      error = {Cabinet::kTargetNotCreated, GetLastError(), 0};
      return Step::kFailed;
    }
    held_ += uint32_t(got);
    progress_.received = held_;
    if (uint64_t(got) < ask) return Step::kDone;  // the server has sent all
    DWORD took = GetTickCount() - began;
    if (took < kQuickReadMs) ask = std::min(ask * 2, kLargestRead);
    if (took > kSlowReadMs) ask = std::max(ask / 2, kSmallestRead);
  }
}

bool ResumingTransfer::PauseBeforeRetry() {
  for (int step = 0; step < kRetryPauseSteps; ++step) {
    if (cancelled_()) return false;
    Sleep(100);
  }
  return !cancelled_();
}

}  // namespace zelva::downloads
