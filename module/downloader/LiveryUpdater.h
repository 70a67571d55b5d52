// Bringing an installed livery up to its package on the server, file by
// file: only what is missing or older is read out of the remote package, the
// aircraft.cfg entry is replaced only by a non-empty one and keeps the local
// texture and atc_id, and files go into the folder the livery uses.
#pragma once

#include "LiveryTables.h"

namespace zelva::module {

// The work of the update thread; false when it stopped (the user was told).
bool UpdateLivery(LiveryCatalogEntry& entry);

// On the page's thread: UpdateLivery on a thread of its own under the
// host's working dialog.
bool UpdateLiveryUnderWorkingDialog(LiveryCatalogEntry& entry);

}  // namespace zelva::module
