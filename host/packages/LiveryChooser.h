// The dialog "Select Liveries to Install" of a "Multi Livery" package.
#pragma once

#include <vector>

#include "LiveryChoice.h"

namespace zelva::host {

// Modal, owned by the main window, run by the calling (worker) thread. Sets
// each choice's product and variant flags from the loaded modules; an entry
// lacking either has no check box. True on OK, with each install flag taken
// from its check box; false on Cancel.
bool ChooseLiveries(std::vector<LiveryChoice>& choices);

}  // namespace zelva::host
