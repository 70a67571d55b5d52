#include "DownloadManager.h"

#include <wininet.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

#include "Download.h"
#include "DownloadPanel.h"
#include "DownloadText.h"
#include "DownloadWorker.h"
#include "FixedText.h"
#include "HostCommands.h"
#include "HostLog.h"
#include "UiThreadCalls.h"

namespace zelva::downloads {
namespace {

constexpr size_t kPanelTitleChars = 100;  // up to 99 characters of the title are shown
constexpr uint16_t kPanelHeight = 150;

struct Manager {
  std::vector<std::unique_ptr<CDownload>> live;
  std::deque<CDownload*> queue;
  int running = 0;
  bool stopping = false;
};

Manager& TheManager() {
  static Manager manager;
  return manager;
}

std::vector<std::unique_ptr<CDownload>>::iterator FindLive(const CDownload* download) {
  auto& live = TheManager().live;
  return std::find_if(live.begin(), live.end(), [download](const auto& owned) { return owned.get() == download; });
}

void CreatePanel(CDownload& download) {
  PanelRecord record = {};
  record.kind = kPanelWindow;
  record.panelType = kPanelTypeDownload;
  text::CopyBounded(record.title, kPanelTitleChars, download.request().title);
  record.windowProcedure = &DownloadPanelProcedure;
  CDownload* self = &download;
  std::memcpy(record.producerData, &self, sizeof(self));
  record.panelHeight = kPanelHeight;
  download.data().panelHandle = host::HostCommand(kHostAddPanel, reinterpret_cast<const char*>(&record), nullptr);
}

void RemovePanel(CDownload& download) {
  INT_PTR handle = download.data().panelHandle;
  download.data().panelHandle = 0;
  if (handle != 0) host::HostCommand(kHostRemovePanel, reinterpret_cast<const char*>(handle), nullptr);
}

void Start(CDownload& download, int priority) {
  Manager& manager = TheManager();
  download.started = true;
  ++manager.running;
  download.SetState(kDownloadNew);
  download.SetStatus("");
  if (!StartWorker(download, priority)) {
    host::HostLog("\nDownload %s: no thread could be started\n", download.request().title);
    download.SetState(kDownloadFailed);
    CompleteDownload(download);
  }
}

// The first queued download that was not cancelled while it waited.
void StartNextQueued() {
  Manager& manager = TheManager();
  while (!manager.queue.empty()) {
    CDownload* next = manager.queue.front();
    manager.queue.pop_front();
    if (next->cancelled()) continue;  // called back already; its finish frees it
    Start(*next, THREAD_PRIORITY_ABOVE_NORMAL);
    return;
  }
}

// The worker's thread ends right after posting; its handle, the panel and the
// object go with it.
void Release(CDownload& download) {
  HANDLE worker = download.data().workerThread;
  if (worker != nullptr) {
    host::WaitAnsweringSentMessages(worker);
    CloseHandle(worker);
    download.data().workerThread = nullptr;
  }
  RemovePanel(download);
  auto found = FindLive(&download);
  if (found != TheManager().live.end()) TheManager().live.erase(found);
}

}  // namespace

CDownload* SubmitDownload(const DownloadRequest& request) {
  Manager& manager = TheManager();
  const bool runNow = manager.running == 0;
  if (manager.stopping || (request.start != 0 && !runNow && manager.queue.size() >= kQueueCapacity)) {
    host::HostLog("\nDownload refused: %.99s\n", request.title);
    return nullptr;
  }
  manager.live.push_back(std::make_unique<CDownload>(request));
  CDownload& download = *manager.live.back();
  if (request.start == 0) return &download;

  CreatePanel(download);
  DeleteUrlCacheEntryA(CacheEntryUrl(download.request().url).c_str());
  if (!runNow) {
    download.SetState(kDownloadQueued);
    download.SetStatus("Queued...");
    manager.queue.push_back(&download);
    host::HostLog("\nDownload queued: %s\n", download.request().title);
    return &download;
  }
  Start(download, THREAD_PRIORITY_NORMAL);
  return &download;
}

void CancelDownload(CDownload& download) {
  if (!IsLiveDownload(&download) || !download.MarkCancelled()) return;
  host::HostLog("\nDownload cancelled: %s\n", download.request().title);
  RedrawPanel(download);
  switch (download.state()) {
    case kDownloadQueued:
      download.SetState(kDownloadAborted);
      CompleteDownload(download);
      return;
    case kDownloadComplete:
    case kDownloadFailed:
    case kDownloadAborted:
      return;
    default:
      if (download.state() == kDownloadFallback) download.SetState(kDownloadAborted);
      download.StopTransfer();
      return;
  }
}

void FinishDownload(LPARAM object) {
  auto* download = reinterpret_cast<CDownload*>(object);
  if (!IsLiveDownload(download)) return;
  Manager& manager = TheManager();
  auto queued = std::find(manager.queue.begin(), manager.queue.end(), download);
  if (queued != manager.queue.end()) {
    manager.queue.erase(queued);
  } else if (download->started) {
    download->started = false;
    if (manager.running > 0) --manager.running;
    if (manager.running == 0) StartNextQueued();
  }
  Release(*download);
}

void StopAllDownloads() {
  Manager& manager = TheManager();
  manager.stopping = true;
  while (!manager.live.empty()) {
    std::vector<CDownload*> all;
    for (const auto& owned : manager.live) all.push_back(owned.get());
    for (CDownload* download : all)
      if (download->request().start != 0) CancelDownload(*download);
    manager.queue.clear();
    Release(*all.front());
  }
  manager.running = 0;
  manager.stopping = false;
}

bool IsLiveDownload(const CDownload* download) {
  return download != nullptr && FindLive(download) != TheManager().live.end();
}

}  // namespace zelva::downloads
