// Downloading a livery package through the host's download manager and
// handing it to the host's package processor, which installs it through this
// module; a package already downloaded with the catalogue's date is installed
// without downloading it again.
#pragma once

#include "LiveryTables.h"

namespace zelva::module {

// The list that is redrawn as states change; null while no page shows.
void SetLiveryList(HWND list);
// On the page's thread.
void StartLiveryDownload(LiveryCatalogEntry& entry);
// Asks, then cancels the running download of the entry.
void AbortLiveryDownload(LiveryCatalogEntry& entry);

// Entries whose package went to the host's package processor, which
// installs it after this returns: once the livery is in aircraft.cfg its
// state is worked out and, when the server has more, it is updated. On the
// page's timer; true while any is still waiting.
bool FinishPendingInstallations();

// At the module's unload, on the user-interface thread.
void ReleaseLiveryDownloads();

// Whether the page's timer has anything to follow.
bool AnyDownloadOrInstallation();

}  // namespace zelva::module
