// Texture folders beside a variant's aircraft.cfg that no entry, no product
// folder, no lost livery and no protected-folder list claims: offered to the
// user for deletion, or kept for good.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// The product's own texture folders, which always belong to it.
extern const char* const kProductTextureFolders[5];

// Posts one notification per orphaned folder; the number posted.
int CheckOrphanedFolders();

extern "C" int32_t __cdecl OrphanedFolderAnswer(PanelRecord* record, int32_t button);

}  // namespace zelva::module
