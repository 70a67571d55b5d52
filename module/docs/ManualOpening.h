// Opening one of the product's manuals: in the system's PDF viewer or in the
// host's document window, as the host's settings say.
#pragma once

#include "ManualTable.h"
#include "ZelvaContract.h"

namespace zelva::module {

// The current simulator's root, "ZELVA\", the product folder and the row's
// file; false when there is no simulator or the path does not fit.
bool ManualPath(const manuals::ManualRow& row, char (&path)[kPathChars]);

// Opens the row's manual; a manual that is missing or cannot be opened is
// reported to the user. True when it was handed on.
bool OpenManual(const manuals::ManualRow& row);

}  // namespace zelva::module
