// The maker's updater for a product or expansion: downloaded by the host's
// download manager into "Product Updates\" of the host's data folder, run, and
// waited for; the installed version is read again afterwards.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// Starts the download of version list entry `index`'s updater. Does nothing
// while one runs for the entry, or when the address has no "/"; a name that is
// not a plain file name is refused with a message.
void DownloadUpdate(int index);

// The download's completion: with state 3 runs the updater and waits for it.
// Called on the download's worker thread.
extern "C" void __cdecl OnUpdaterDownloaded(DownloadRequest* request, int32_t state);

}  // namespace zelva::module
