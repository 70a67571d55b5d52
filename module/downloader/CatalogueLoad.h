// The maker's catalogue ("%s/Liveries" on the liveries server), downloaded
// with the platform's URL service or, failing that, the package reader's own
// connection, and merged into the tables.
#pragma once

#include <string>

namespace zelva::module {

// The work of the catalogue thread: fetches and merges; false when neither
// way could fetch it (the user was told). Drives the open working dialog.
bool LoadCatalogue();

// Merges a catalogue file into the tables; the first merge of the module's
// life clears them.
void MergeCatalogue(const std::string& catalogueBytes);

// On the page's thread: runs LoadCatalogue on a thread of its own while the
// host's working dialog shows; false when it failed.
bool LoadCatalogueUnderWorkingDialog();

}  // namespace zelva::module
