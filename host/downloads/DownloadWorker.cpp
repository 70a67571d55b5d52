#include "DownloadWorker.h"

#include <wininet.h>

#include <string>

#include "DestinationFile.h"
#include "DownloadText.h"
#include "ExtractUrl.h"
#include "FixedText.h"
#include "HostLog.h"
#include "HostState.h"
#include "MainWindow.h"
#include "OleSession.h"
#include "ResumingTransfer.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace zelva::downloads {
namespace {

using host::HostLog;

constexpr DWORD kProgressStepMs = 100;

// Copies the reader's counts into the download every 100 ms while the host's
// reader runs; stopped by its flag and waited for, never cut off.
class ReaderProgressThread {
 public:
  ReaderProgressThread(CDownload& download, const TransferProgress& progress)
      : download_(download), progress_(progress) {
    DownloadObjectData& data = download_.data();
    InterlockedExchange(&data.progressRunning, 1);
    data.progressThread = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    if (data.progressThread == nullptr) InterlockedExchange(&data.progressRunning, 0);
  }
  ~ReaderProgressThread() {
    DownloadObjectData& data = download_.data();
    InterlockedExchange(&data.progressRunning, 0);
    if (data.progressThread == nullptr) return;
    WaitForSingleObject(data.progressThread, INFINITE);
    CloseHandle(data.progressThread);
    data.progressThread = nullptr;
    try {
      Report();  // the final count
    } catch (...) {
    }
  }
  ReaderProgressThread(const ReaderProgressThread&) = delete;
  ReaderProgressThread& operator=(const ReaderProgressThread&) = delete;

 private:
  static DWORD WINAPI Run(void* parameter) {
    auto& self = *static_cast<ReaderProgressThread*>(parameter);
    try {
      while (self.download_.data().progressRunning != 0) {
        self.Report();
        Sleep(kProgressStepMs);
      }
    } catch (...) {
    }
    return 0;
  }
  void Report() {
    const uint32_t received = progress_.received.load();
    download_.SetCounts(received, progress_.expected.load());
    download_.FeedRate(received);
    download_.SetStatus(TransferStatusText(progress_));
  }

  CDownload& download_;
  const TransferProgress& progress_;
};

// The destination's file name inside the working folder.
bool SetTemporaryPath(CDownload& download, const files::WorkFolder& folder) {
  const char* destination = download.request().destination;
  const char* name = destination;
  for (const char* c = destination; *c != '\0'; ++c)
    if (*c == '\\' || *c == '/') name = c + 1;
  if (*name == '\0') return false;
  return text::CopyBounded(download.data().tempPath, folder.File(name).c_str());
}

bool TemporaryFileHas(const char* path, uint32_t expected) {
  WIN32_FILE_ATTRIBUTE_DATA facts;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &facts)) return false;
  return expected == 0 || (facts.nFileSizeHigh == 0 && facts.nFileSizeLow == expected);
}

// The service's word on the transfer, as Windows would give it: Wine's
// reports success for an error page or a body cut short, which Windows
// reports as a download failure.
HRESULT JudgePlatformResult(CDownload& download, HRESULT result) {
  if (download.cancelled()) return E_ABORT;
  if (FAILED(result)) return result;
  const long status = download.response().status();
  if (status != -1 && (status < 200 || status > 299)) return INET_E_DOWNLOAD_FAILURE;
  const DownloadObjectData& data = download.data();
  const uint32_t expected = data.bytesExpected;
  if (expected > 0 && data.bytesReceived != expected) return INET_E_DOWNLOAD_FAILURE;
  if (!TemporaryFileHas(data.tempPath, expected)) return INET_E_DOWNLOAD_FAILURE;
  return S_OK;
}

// State 6: the host's own reader fetches the whole file into the temporary path.
bool RunHostReader(CDownload& download) {
  download.SetState(kDownloadFallback);
  HostLog("\tThe platform download failed; the host's reader takes over\n");
  Cabinet::CExtractUrl reader;
  TransferProgress progress;
  Cabinet::ExtractError error = {};
  bool fetched = false;
  download.SetFallbackReader(&reader);
  {
    ReaderProgressThread reporter(download, progress);
    ResumingTransfer transfer(reader.connection(), progress, [&download] { return download.cancelled(); });
    fetched = transfer.Run(win::WideFromAnsi(download.request().url), win::WideFromAnsi(download.data().tempPath),
                           error);
  }
  download.SetFallbackReader(nullptr);
  if (progress.resumes > 0 || progress.startedOver)
    HostLog("\tThe host's reader resumed the transfer %d times%s\n", progress.resumes.load(),
            progress.startedOver ? " and started over once" : "");
  if (!fetched)
    HostLog("\tThe host's reader failed: %u, %u, HTTP %u\n", error.code, error.systemError, error.httpStatus);
  return fetched;
}

void RunDownload(CDownload& download) {
  files::WorkFolder folder;  // gone, with all in it, on every way out
  DownloadObjectData& data = download.data();
  HostLog("\nDownload started: %s\n\tWorking folder: %s\n", data.request.title, folder.path());
  if (!folder.ok() || !SetTemporaryPath(download, folder)) {
    HostLog("\tNo working file could be made for %s\n", data.request.destination);
    download.SetState(download.cancelled() ? kDownloadAborted : kDownloadFailed);
    return;
  }
  download.SetState(kDownloadNew);
  HRESULT platform = URLDownloadToFileA(nullptr, data.request.url, data.tempPath, 0, &download);
  // The service keeps a copy of what it fetched in the internet cache.
  DeleteUrlCacheEntryA(CacheEntryUrl(data.request.url).c_str());
  HRESULT judged = JudgePlatformResult(download, platform);
  HostLog("\tPlatform download: 0x%08lX (HTTP %ld), judged 0x%08lX\n", static_cast<unsigned long>(platform),
          download.response().status(), static_cast<unsigned long>(judged));
  bool fetched = SUCCEEDED(judged);
  if (judged == INET_E_DOWNLOAD_FAILURE && !download.cancelled()) fetched = RunHostReader(download);

  if (download.cancelled()) {
    download.SetState(kDownloadAborted);
    return;
  }
  DWORD error = 0;
  if (fetched && DeliverFile(data.tempPath, data.request.destination, error)) {
    download.SetStatus("Download complete!");
    download.SetState(kDownloadComplete);
    return;
  }
  if (fetched) HostLog("\tThe file could not be placed at %s: %lu\n", data.request.destination, error);
  download.SetStatus("Download failed");
  download.SetState(kDownloadFailed);
}

DWORD WINAPI WorkerThread(void* parameter) {
  auto& download = *static_cast<CDownload*>(parameter);
  win::OleSession apartment;  // the URL service wants one; so may a callback that fetches more
  try {
    RunDownload(download);
  } catch (...) {
    HostLog("\tThe download stopped on an unexpected error\n");
    if (download.state() != kDownloadAborted) download.SetState(kDownloadFailed);
  }
  CompleteDownload(download);
  return 0;
}

}  // namespace

bool StartWorker(CDownload& download, int priority) {
  DownloadObjectData& data = download.data();
  HANDLE thread = CreateThread(nullptr, 0, &WorkerThread, &download, CREATE_SUSPENDED, nullptr);
  if (thread == nullptr) return false;
  data.workerThread = thread;
  SetThreadPriority(thread, priority);
  ResumeThread(thread);
  return true;
}

void CompleteDownload(CDownload& download) {
  DownloadRequest& request = download.request();
  const int32_t state = download.state();
  HostLog("\tDownload ended: %s, state %d\n", request.title, state);
  if (request.completion != nullptr) {
    try {
      request.completion(&request, state);
    } catch (...) {
      HostLog("\tThe completion callback of %s failed\n", request.title);
    }
  }
  HWND main = host::Context().mainWindow;
  if (main != nullptr) PostMessageA(main, ui::kDownloadFinishedMessage, 0, reinterpret_cast<LPARAM>(&download));
}

}  // namespace zelva::downloads
