// The host's own reader carrying a download the platform could not: the
// whole file into one local file, and when the connection drops, a ranged
// request for the rest, up to three times. A server that answers a range
// with the whole file gets one fresh start instead.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "ExtractTypes.h"
#include "UrlConnection.h"

namespace zelva::downloads {

constexpr int kMaxResumes = 3;

// What the transfer is doing, for another thread's status line.
struct TransferProgress {
  enum Phase { kTransferring, kReconnecting, kStartingOver };
  std::atomic<uint32_t> received{0};
  std::atomic<uint32_t> expected{0};  // 0 while unknown
  std::atomic<int> phase{kTransferring};
  std::atomic<int> resumes{0};
  std::atomic<bool> startedOver{false};
};

// "%s of %s downloaded", and what a resume or fresh start is doing.
std::string TransferStatusText(const TransferProgress& progress);

class ResumingTransfer {
 public:
  // cancelled() is asked between steps; a cancel that closes the
  // connection's handles ends a step in progress.
  ResumingTransfer(Cabinet::UrlConnection& connection, TransferProgress& progress, std::function<bool()> cancelled)
      : connection_(connection), progress_(progress), cancelled_(std::move(cancelled)) {}

  // True when file holds the whole resource; the error of the last step otherwise.
  bool Run(const std::wstring& url, const std::wstring& file, Cabinet::ExtractError& error);

 private:
  enum class Step { kDone, kBroken, kRangeIgnored, kFailed };
  Step Attempt(const std::wstring& url, HANDLE file, Cabinet::ExtractError& error);
  Step CopyBody(HANDLE file, Cabinet::ExtractError& error);
  bool PauseBeforeRetry();

  Cabinet::UrlConnection& connection_;
  TransferProgress& progress_;
  std::function<bool()> cancelled_;
  uint32_t held_ = 0;                                   // bytes in the file
  uint32_t total_ = Cabinet::UrlConnection::kUnknownLength;
};

}  // namespace zelva::downloads
