// Fetching the maker's updater program into the program folder; run by the
// host itself when it has administrator rights, otherwise by its elevated
// second instance started with "-DownloadUpdater -MD5:".
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// Returns 1 when an updater whose digest equals expectedDigest (case ignored)
// replaced "HangardeskUpdater.exe" in the program folder, else 0 (also the
// exit code of the elevated second instance). Without administrator rights,
// or without an expected digest, nothing is fetched.
int DownloadUpdater(const HostContext& context, const char* expectedDigest);

}  // namespace zelva::host
