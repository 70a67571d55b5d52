// Shows the host's changelog once after it has changed.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// Compares the stamp of "Changelog.txt" in the program folder with the one
// stored in the configuration; on a change stores the new stamp and, unless
// this is the first run, asks for the document window. Returns true when
// the changelog was asked for.
bool CheckChangelog(HostContext& context);

// Packs a wide path and title, each NUL-terminated, for host command 15.
void ShowHostChangelog(HostContext& context);

}  // namespace zelva::host
