#include "ProcessingThread.h"

#include "DownloaderStatus.h"
#include "LiveryCache.h"
#include "LiveryTables.h"
#include "ModuleContext.h"
#include "ProfileDocument.h"
#include "ThreadWait.h"
#include "UpdateState.h"

namespace zelva::module {
namespace {

// The usual end comes at once; only a slow one is worth a dialog.
constexpr DWORD kQuietWait = 100;

struct StopWait {
  HANDLE thread;
};

DWORD WINAPI WaitForProcessing(void* parameter) {
  HostContext* host = Host();
  if (host->setWorkingDialogLayout != nullptr) host->setWorkingDialogLayout(1);
  if (host->setWorkingDialogText != nullptr) host->setWorkingDialogText(1, "Stopping the livery downloader...");
  WaitForSingleObject(static_cast<StopWait*>(parameter)->thread, INFINITE);
  if (host->closeWorkingDialog != nullptr) host->closeWorkingDialog();
  return 0;
}

void LoadFromCache(LiveryCatalogEntry& entry, const livery::CatalogueRecord& record) {
  SummaryContent summary = ReadSummary(record.fileName);
  ReplaceThumbnail(entry, summary.thumbnail.empty() ? nullptr : ThumbnailFromBytes(summary.thumbnail));
  ComputeUpdateState(entry);
}

}  // namespace

bool ProcessingThread::Start(HWND list) {
  Stop();
  list_ = list;
  cancel_.Reset();
  thread_.reset(CreateThread(nullptr, 0, &Run, this, 0, nullptr));
  return thread_.valid();
}

bool ProcessingThread::running() const {
  return thread_.valid() && WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT;
}

void ProcessingThread::Stop() {
  if (!thread_.valid()) return;
  cancel_.Abort();
  if (WaitForSingleObject(thread_.get(), kQuietWait) == WAIT_TIMEOUT) {
    HostContext* host = Host();
    StopWait wait{thread_.get()};
    win::KernelHandle waiter;
    if (host != nullptr && host->runWorkingDialog != nullptr)
      waiter.reset(CreateThread(nullptr, 0, &WaitForProcessing, &wait, 0, nullptr));
    if (waiter.valid()) {
      host->runWorkingDialog();
      WaitAnsweringSentMessages(waiter.get());
    }
    WaitAnsweringSentMessages(thread_.get());
  }
  thread_.reset();
}

DWORD WINAPI ProcessingThread::Run(void* parameter) {
  static_cast<ProcessingThread*>(parameter)->Process();
  return 0;
}

void ProcessingThread::Process() {
  auto changed = [this] {
    if (list_ != nullptr) PostMessageA(list_, kEntryChangedMessage, 0, 0);
  };
  for (int pass = 1; pass <= 2; ++pass) {
    for (int variant = 0; variant < kMaxVariants && !cancel_.aborted(); ++variant) {
      if (!IsCatalogueVariant(variant)) continue;
      LiveryTable& table = Tables().variants[size_t(variant)];
      // The catalogue load that appends has ended before this thread starts.
      for (size_t i = 0; i < table.size() && !cancel_.aborted(); ++i) {
        LiveryCatalogEntry& entry = table[i];
        livery::CatalogueRecord record;
        {
          std::lock_guard<std::mutex> guard(TablesLock());
          record = entry.record;
        }
        SetDownloaderStatus("Processing %s...", record.name.c_str());
        const bool current = !livery::IsOlderDate(CachedDate(record.fileName), record.date);
        if (pass == 1 && current) {
          LoadFromCache(entry, record);
          changed();
        } else if (pass == 2 && !current) {
          if (FetchEntryData(record, &cancel_)) {
            LoadFromCache(entry, record);
            changed();
          }
        }
      }
    }
  }
  ClearDownloaderStatus();
  changed();
}

}  // namespace zelva::module
