#include "HostDownloadCancel.h"

#include "ModuleContext.h"

namespace zelva::module {
namespace {

// The host's main window frees a download object on this message.
constexpr UINT kDownloadFinishedMessage = WM_APP + 3;

}  // namespace

void CancelHostDownload(DownloadObjectView& download) {
  DownloadObjectData& data = download.data;
  if (InterlockedExchange(&data.cancel, 1) != 0) return;
  switch (data.state) {
    case kDownloadQueued: {
      data.state = kDownloadAborted;
      if (data.request.completion != nullptr) data.request.completion(&data.request, kDownloadAborted);
      HostContext* host = Host();
      if (host != nullptr && host->mainWindow != nullptr)
        PostMessageA(host->mainWindow, kDownloadFinishedMessage, 0, reinterpret_cast<LPARAM>(&download));
      return;
    }
    case kDownloadFallback:
      data.state = kDownloadAborted;
      return;
    default:
      return;
  }
}

}  // namespace zelva::module
