// The worker thread of a running download: the platform's URL service into a
// working folder, the host's own reader when the service fails, delivery to
// the destination, the completion callback and the finish message.
#pragma once

#include "Download.h"

namespace zelva::downloads {

// Starts the worker at the given priority; false (and nothing started) when
// no thread could be made.
bool StartWorker(CDownload& download, int priority);

// The completion callback, then message 32771 to the main window; the last
// the worker does. Also used on the UI thread for a download that never ran.
void CompleteDownload(CDownload& download);

}  // namespace zelva::downloads
