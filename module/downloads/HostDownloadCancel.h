// A module's Cancel of a download it received from host command 21, carried
// out on the object itself as the host's own Cancel button does.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// On the UI thread. A queued download ends at once (its completion callback
// runs before this returns); a running one ends at its next progress report,
// or at the next tick of its panel, which stops a transfer that reports nothing.
void CancelHostDownload(DownloadObjectView& download);

}  // namespace zelva::module
