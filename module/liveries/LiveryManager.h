// The Livery Manager's life with the module: the start-up checks of lost
// liveries and orphaned folders, and the backup at unload.
#pragma once

namespace zelva::module {

// At load of an installed product: lost liveries first; orphaned folders
// only when no lost-livery question was posted.
void InitializeLiveryManager();

// At unload of an installed product: the backup takes the entries as they are now.
void ReleaseLiveryManager();

}  // namespace zelva::module
