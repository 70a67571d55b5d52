// The host's download manager: one download runs, up to 256 wait in order,
// each with its panel on the home page. Everything here runs on the UI
// thread: submits come as host command 21, finishes as message 32771.
#pragma once

#include <windows.h>

#include "ZelvaContract.h"

namespace zelva::downloads {

class CDownload;

constexpr size_t kQueueCapacity = 256;

// Host command 21: the new download object, or null when the queue is full.
CDownload* SubmitDownload(const DownloadRequest& request);

// The panel's Cancel, and a module's: acts once; later calls do nothing.
void CancelDownload(CDownload& download);

// Message 32771. A message for an object that is already gone is ignored.
void FinishDownload(LPARAM object);

// At close, before the modules are unloaded: cancels every download, waits
// for the running one's thread and frees every object with its panel.
void StopAllDownloads();

// For the panel: whether the object is still one of the manager's.
bool IsLiveDownload(const CDownload* download);

}  // namespace zelva::downloads
