// Fetching the maker's updater program, started elevated by the host itself.
#pragma once

namespace zelva::host {

// Returns the process exit code: 1 when a verified updater is in place.
int DownloadUpdater(const char* expectedChecksum);

}  // namespace zelva::host
